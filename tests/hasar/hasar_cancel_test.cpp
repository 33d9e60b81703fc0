#include "drivers/error_numbers.h"
#include "hasar/hasar_fixture.h"
#include "support/named_case.h"

#include <map>

namespace {

// The printer's side of one cancel: what StatusRequest reports (fiscal status, auxiliary status
// and, on the models that send it, the document status), and the fiscal status each later command
// is answered with (0600 when not listed); what the cancel sends and reports it found.
struct CancelCase {
    std::string name;
    QByteArray printer;
    QByteArray fiscal;
    QByteArray auxiliary;  // empty: the answer ends before field 4
    std::map<quint8, QByteArray> replies;
    QList<quint8> sent;
    int error;
    LeftOpen found;
    QByteArray paid = "5.00";     // what the subtotal says was paid; empty: its answer ends before
    QByteArray documentStatus{};  // empty: the answer ends at field 4
    int model = 9;                // 8: a slip family, whose auxiliary state takes two digits
};

void PrintTo(const CancelCase& c, std::ostream* os) { *os << c.name; }

using End = LeftOpen::End;

class HasarCancelAll : public HasarTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(HasarCancelAll, ReadsTheStatusOnlyClosesAfterAPaymentAndSaysWhatItFound) {
    const CancelCase& c = GetParam();
    // The 715's number is written: what the printer answers, not the model, picks the way,
    // except how the auxiliary status is read, which is the family's.
    begin(c.model);
    printer->answer = [&c](const frame::Frame& f) -> QList<QByteArray> {
        if (f.command == 0x2A) {
            // Last B/C 11, last A 20, last credit notes B/C 30 and A 40.
            QList<QByteArray> fields{c.printer, c.fiscal, "00000011"};
            if (!c.auxiliary.isEmpty()) fields << c.auxiliary;
            if (!c.documentStatus.isEmpty()) fields << "00000020" << c.documentStatus << "00000030" << "00000040";
            return fields;
        }
        // Point of sale 7.
        if (f.command == 0x73) return {"0080", "0600", "20111111112", "PRUEBA", "1", "010101", "0007"};
        const auto it = c.replies.find(f.command);
        QList<QByteArray> fields{"0080", it == c.replies.end() ? QByteArray("0600") : it->second};
        if (f.command == 0x45 || f.command == 0x81) fields << "00000012";
        if (f.command == 0x43) {
            fields << "1" << "10.00" << "1.74";
            if (!c.paid.isEmpty()) fields << c.paid << "0.00";
        }
        return fields;
    };
    LeftOpen found;
    EXPECT_EQ(errorOf([&] { found = driver->CancelAll(); }), c.error) << lastError.toStdString();
    EXPECT_EQ(commandsSent(), c.sent);
    EXPECT_EQ(found.end, c.found.end);
    EXPECT_EQ(found.document, c.found.document);
    EXPECT_EQ(found.number, c.found.number);
}

const QString kFiscal = QStringLiteral("el comprobante fiscal");
const QString kNonFiscal = QStringLiteral("el DOCUMENTO NO FISCAL");
const QString kHomologated = QStringLiteral("el documento no fiscal homologado");

INSTANTIATE_TEST_SUITE_P(
    States, HasarCancelAll,
    ::testing::Values(
        CancelCase{"NothingOpen", "0080", "0600", "0002", {}, {0x2A}, 0, {}},
        CancelCase{"FiscalDocumentCancelled", "0080", "3600", "0003", {}, {0x2A, 0x98}, 0, {End::Cancelled, kFiscal}},
        CancelCase{"AfterAFiscalText", "0080", "3600", "0004", {}, {0x2A, 0x98}, 0, {End::Cancelled, kFiscal}},
        CancelCase{"StatusWithoutAuxiliaryField", "0080", "3600", "", {}, {0x2A, 0x98}, 0, {End::Cancelled, kFiscal}},
        CancelCase{"TicketModelCancelsByTender", "0080", "3600", "0003", {{0x98, "0608"}}, {0x2A, 0x98, 0x44}, 0,
                   {End::Cancelled, kFiscal}},
        // A partial payment is paid back (the subtotal tells how much), then the document is cancelled.
        CancelCase{"PartlyPaidIsPaidBackAndCancelled", "0080", "3600", "0006", {}, {0x2A, 0x43, 0x44, 0x98}, 0,
                   {End::Cancelled, kFiscal}},
        CancelCase{"TicketModelPartlyPaidIsPaidBackAndCancelledByTender", "0080", "3600", "0006", {{0x98, "0608"}},
                   {0x2A, 0x43, 0x44, 0x98, 0x44}, 0, {End::Cancelled, kFiscal}},
        CancelCase{"PaybackRefused", "0080", "3600", "0006", {{0x44, "0620"}}, {0x2A, 0x43, 0x44},
                   error_number::kCancelRefused, {}},
        CancelCase{"PaidAmountNotTold", "0080", "3600", "0006", {}, {0x2A, 0x43}, error_number::kCancelRefused, {}, ""},
        CancelCase{"PaidAmountNotANumber", "0080", "3600", "0006", {}, {0x2A, 0x43}, error_number::kCancelRefused, {},
                   "5,00"},
        // Closed, it is issued with the number its close reports, shown with the point of sale.
        CancelCase{"FullyPaidIsClosedAndTold", "0080", "3600", "0027", {}, {0x2A, 0x45, 0x73}, 0,
                   {End::IssuedPaid, kFiscal, QStringLiteral("0007-00000012")}},
        CancelCase{"NonFiscalCancelled", "0080", "2600", "0005", {}, {0x2A, 0x98}, 0, {End::Cancelled, kNonFiscal}},
        CancelCase{"HomologatedCancelled", "0080", "2600", "0003", {}, {0x2A, 0x98}, 0, {End::Cancelled, kHomologated}},
        CancelCase{"TicketModelClosesNonFiscal", "0080", "2600", "0005", {{0x98, "0608"}}, {0x2A, 0x98, 0x4A}, 0,
                   {End::Closed, kNonFiscal}},
        CancelCase{"TicketModelClosesHomologatedAndTells", "0080", "2600", "0003", {{0x98, "0608"}},
                   {0x2A, 0x98, 0x81, 0x73}, 0, {End::IssuedUncancellable, kHomologated, QStringLiteral("0007-00000012")}},
        // Refusals other than "unknown command" are errors: nothing is closed.
        CancelCase{"CancelRefusedForTheState", "0080", "3600", "0003", {{0x98, "0620"}}, {0x2A, 0x98},
                   error_number::kCancelRefused, {}},
        CancelCase{"TenderCancelRefused", "0080", "3600", "0003", {{0x98, "0608"}, {0x44, "0620"}}, {0x2A, 0x98, 0x44},
                   error_number::kCancelRefused, {}},
        // The refusal is read against the printer's record once more before it is told.
        CancelCase{"CloseAfterPaymentRefused", "0080", "3600", "0007", {{0x45, "0620"}}, {0x2A, 0x45, 0x2A},
                   error_number::kCancelRefused, {}},
        CancelCase{"FaultyPrinterNotTouched", "0100", "3600", "0003", {}, {0x2A}, error_number::kPrinterFault, {}},
        // Where the status names the open document, it is named, with the number after the last
        // of its series.
        CancelCase{"NamedInvoiceA", "0080", "3600", "0003", {}, {0x2A, 0x98, 0x73}, 0,
                   {End::Cancelled, QStringLiteral("FACTURA A"), QStringLiteral("0007-00000021")}, "5.00", "0100"},
        CancelCase{"NamedTicketAfterTheLastOne", "0080", "3600", "0003", {}, {0x2A, 0x98, 0x73}, 0,
                   {End::Cancelled, QStringLiteral("TIQUE"), QStringLiteral("0007-00000012")}, "5.00", "0a01"},
        CancelCase{"NamedPaidInvoiceTakesTheNumberOfItsClose", "0080", "3600", "0007", {}, {0x2A, 0x45, 0x73}, 0,
                   {End::IssuedPaid, QStringLiteral("FACTURA A"), QStringLiteral("0007-00000012")}, "5.00", "0100"},
        // A kind not known here, or no kind, is not guessed.
        CancelCase{"UnknownKindIsNamedGenerically", "0080", "3600", "0003", {}, {0x2A, 0x98}, 0,
                   {End::Cancelled, kFiscal}, "5.00", "3000"},
        // The slip families' states past 9: "0017" is a homologated document open there, not a paid one.
        CancelCase{"SlipHomologatedDocumentIsCancelled", "0080", "2600", "0017", {}, {0x2A, 0x98}, 0,
                   {End::Cancelled, kHomologated}, "5.00", {}, 8},
        CancelCase{"SlipCreditNoteIsCancelled", "0080", "3600", "000C", {}, {0x2A, 0x98}, 0, {End::Cancelled, kFiscal},
                   "5.00", {}, 8},
        CancelCase{"SlipCreditNoteWithAPaymentIsPaidBackAndCancelled", "0080", "3600", "0018", {},
                   {0x2A, 0x43, 0x44, 0x98}, 0, {End::Cancelled, kFiscal}, "5.00", {}, 8},
        CancelCase{"SlipBlockedIsNotTouched", "0080", "3600", "0016", {}, {0x2A}, error_number::kCancelRefused, {},
                   "5.00", {}, 8},
        CancelCase{"SlipFullyPaidIsClosedAndTold", "0080", "3600", "0007", {}, {0x2A, 0x45, 0x73}, 0,
                   {End::IssuedPaid, kFiscal, QStringLiteral("0007-00000012")}, "5.00", {}, 8}),
    named_case::testName);

using HasarTenderCancel = HasarTest;

// A full print buffer asks for the status again, not for a failure: the cancel's own first
// request waits it out as every other command does.
TEST_F(HasarTenderCancel, AFullBufferOnTheFirstStatusIsWaitedOut) {
    begin(8);
    int statuses = 0;
    printer->answer = [&statuses](const frame::Frame& f) -> QList<QByteArray> {
        if (f.command == 0x2A) return {++statuses == 1 ? QByteArray("0040") : QByteArray("0080"), "3600", "00000011", "0003"};
        return {"0080", "0600"};
    };
    EXPECT_EQ(errorOf([&] { driver->CancelAll(); }), 0) << lastError.toStdString();
    EXPECT_EQ(commandsSent(), (QList<quint8>{0x2A, 0x2A, 0x2A, 0x98}));
}

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
