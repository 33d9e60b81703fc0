#include "drivers/error_numbers.h"
#include "hasar/hasar_fixture.h"

#include <map>

namespace {

// The printer's side of one cancel: what StatusRequest reports (fiscal status and auxiliary
// status), and the fiscal status each later command is answered with (0600 when not listed).
struct CancelCase {
    std::string name;
    QByteArray printer;
    QByteArray fiscal;
    QByteArray auxiliary;  // empty: the answer ends before field 4
    std::map<quint8, QByteArray> replies;
    QList<quint8> sent;
    int error;
    const char* notice;  // part of the notice returned, or nullptr when it must be empty
    QByteArray paid = "5.00";  // what the subtotal says was paid; empty: its answer ends before
};

void PrintTo(const CancelCase& c, std::ostream* os) { *os << c.name; }

class HasarCancelAll : public HasarTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(HasarCancelAll, ReadsTheStatusAndOnlyClosesAfterAPayment) {
    const CancelCase& c = GetParam();
    // The 715's number is written: what the printer answers, not the model, picks the way.
    begin(9);
    printer->answer = [&c](const frame::Frame& f) -> QList<QByteArray> {
        if (f.command == 0x2A) {
            QList<QByteArray> fields{c.printer, c.fiscal, "00000011"};
            if (!c.auxiliary.isEmpty()) fields << c.auxiliary;
            return fields;
        }
        const auto it = c.replies.find(f.command);
        QList<QByteArray> fields{"0080", it == c.replies.end() ? QByteArray("0600") : it->second};
        if (f.command == 0x45 || f.command == 0x81) fields << "00000012";
        if (f.command == 0x43) {
            fields << "1" << "10.00" << "1.74";
            if (!c.paid.isEmpty()) fields << c.paid << "0.00";
        }
        return fields;
    };
    QString notice;
    EXPECT_EQ(errorOf([&] { notice = driver->CancelAll(); }), c.error) << lastError.toStdString();
    EXPECT_EQ(commandsSent(), c.sent);
    if (c.notice) {
        EXPECT_TRUE(notice.contains(QString::fromUtf8(c.notice))) << notice.toStdString();
        EXPECT_TRUE(notice.contains(QStringLiteral("00000012"))) << notice.toStdString();
    } else {
        EXPECT_TRUE(notice.isEmpty()) << notice.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    States, HasarCancelAll,
    ::testing::Values(
        CancelCase{"NothingOpen", "0080", "0600", "0002", {}, {0x2A}, 0, nullptr},
        CancelCase{"FiscalDocumentCancelled", "0080", "3600", "0003", {}, {0x2A, 0x98}, 0, nullptr},
        CancelCase{"AfterAFiscalText", "0080", "3600", "0004", {}, {0x2A, 0x98}, 0, nullptr},
        CancelCase{"StatusWithoutAuxiliaryField", "0080", "3600", "", {}, {0x2A, 0x98}, 0, nullptr},
        CancelCase{"TicketModelCancelsByTender", "0080", "3600", "0003", {{0x98, "0608"}}, {0x2A, 0x98, 0x44}, 0, nullptr},
        // A partial payment is paid back (the subtotal tells how much), then the document is cancelled.
        CancelCase{"PartlyPaidIsPaidBackAndCancelled", "0080", "3600", "0006", {}, {0x2A, 0x43, 0x44, 0x98}, 0, nullptr},
        CancelCase{"TicketModelPartlyPaidIsPaidBackAndCancelledByTender", "0080", "3600", "0006", {{0x98, "0608"}},
                   {0x2A, 0x43, 0x44, 0x98, 0x44}, 0, nullptr},
        CancelCase{"PaybackRefused", "0080", "3600", "0006", {{0x44, "0620"}}, {0x2A, 0x43, 0x44},
                   error_number::kCancelRefused, nullptr},
        CancelCase{"PaidAmountNotTold", "0080", "3600", "0006", {}, {0x2A, 0x43}, error_number::kCancelRefused, nullptr,
                   ""},
        CancelCase{"PaidAmountNotANumber", "0080", "3600", "0006", {}, {0x2A, 0x43}, error_number::kCancelRefused,
                   nullptr, "5,00"},
        CancelCase{"FullyPaidIsClosedAndTold", "0080", "3600", "0027", {}, {0x2A, 0x45}, 0, "se emitió"},
        CancelCase{"NonFiscalCancelled", "0080", "2600", "0005", {}, {0x2A, 0x98}, 0, nullptr},
        CancelCase{"HomologatedCancelled", "0080", "2600", "0003", {}, {0x2A, 0x98}, 0, nullptr},
        CancelCase{"TicketModelClosesNonFiscal", "0080", "2600", "0005", {{0x98, "0608"}}, {0x2A, 0x98, 0x4A}, 0,
                   nullptr},
        CancelCase{"TicketModelClosesHomologatedAndTells", "0080", "2600", "0003", {{0x98, "0608"}},
                   {0x2A, 0x98, 0x81}, 0, "se emitió"},
        // Refusals other than "unknown command" are errors: nothing is closed.
        CancelCase{"CancelRefusedForTheState", "0080", "3600", "0003", {{0x98, "0620"}}, {0x2A, 0x98},
                   error_number::kCancelRefused, nullptr},
        CancelCase{"TenderCancelRefused", "0080", "3600", "0003", {{0x98, "0608"}, {0x44, "0620"}}, {0x2A, 0x98, 0x44},
                   error_number::kCancelRefused, nullptr},
        // The refusal is read against the printer's record once more before it is told.
        CancelCase{"CloseAfterPaymentRefused", "0080", "3600", "0007", {{0x45, "0620"}}, {0x2A, 0x45, 0x2A},
                   error_number::kCancelRefused, nullptr},
        CancelCase{"FaultyPrinterNotTouched", "0100", "3600", "0003", {}, {0x2A}, error_number::kPrinterFault, nullptr}),
    [](const auto& info) { return info.param.name; });

using HasarTenderCancel = HasarTest;

TEST_F(HasarTenderCancel, TheTicketModelsCancelWithTheTenderLetterC) {
    begin(2);
    printer->answer = [](const frame::Frame& f) -> QList<QByteArray> {
        if (f.command == 0x2A) return {"0080", "3600", "00000011", "0003"};
        return {"0080", f.command == 0x98 ? QByteArray("0608") : QByteArray("0600")};
    };
    driver->CancelAll();
    ASSERT_EQ(printer->seen.size(), 3);
    EXPECT_EQ(printer->seen[2].fields, (QList<QByteArray>{" ", "0.00", "C", "0"}));
}

TEST_F(HasarTenderCancel, APartialPaymentIsPaidBackWithItsNegativeInThePaymentForm) {
    begin(2);
    printer->answer = [](const frame::Frame& f) -> QList<QByteArray> {
        if (f.command == 0x2A) return {"0080", "3600", "00000011", "0006"};
        if (f.command == 0x43) return {"0080", "3600", "2", "12.50", "2.17", "0000000004.5", "0.00"};
        return {"0080", f.command == 0x98 ? QByteArray("0608") : QByteArray("3600")};
    };
    driver->CancelAll();
    ASSERT_EQ(printer->seen.size(), 5);
    EXPECT_EQ(printer->seen[1].fields, (QList<QByteArray>{"N", " ", "0"}));  // the subtotal is not printed
    EXPECT_EQ(printer->seen[2].fields, (QList<QByteArray>{"Anula pagos", "-4.50", "T", "0"}));
    EXPECT_EQ(printer->seen[4].fields, (QList<QByteArray>{" ", "0.00", "C", "0"}));
}

}  // namespace
