// The Epson side of the issue engine: which counter each close moves, and what the printer's
// printed and issued counts say about a document whose reply was lost.

#include "epson/epson_driver_fixture.h"

#include <memory>
#include <ostream>
#include <string>

namespace {

using Fault = ScriptedPrinter::Fault;

// A printer whose status "A" counters move as documents close: printed and issued apart for
// tickets and invoices, one count for credit notes, as the printer reports them.
struct Counters {
    quint32 printedB = 7, issuedB = 7, printedA = 12, issuedA = 12, creditA = 3, creditB = 5;
    QByteArray openType, openLetter;
    bool cancelsOnClose = false;  // the close ends in a cancel (as after a power cut)

    QList<QByteArray> answer(const frame::Frame& f) {
        const auto n = [](quint32 v) { return QByteArray::number(v).rightJustified(8, '0'); };
        const QByteArray fiscal = openType.isEmpty() ? "0600" : "3600";
        switch (f.command) {
        case 0x2A:
            if (f.fields.value(0) == "C") return {"0080", fiscal, "30712345671", "0003"};
            return {"0080", fiscal, "00041", n(issuedB), n(printedB), n(issuedA), n(printedA), "00001", "00000",
                    "00000001", n(creditA), n(creditB), "00000000"};
        case 0x40: openType = "T", openLetter = "B"; break;
        case 0x60: openType = f.fields.value(0), openLetter = f.fields.value(2); break;
        case 0x45:
        case 0x65: {
            const bool a = openLetter == "A";
            if (openType == "M") ++(a ? creditA : creditB);
            else {
                ++(a ? printedA : printedB);
                if (!cancelsOnClose) ++(a ? issuedA : issuedB);
            }
            openType.clear();
            break;
        }
        default: break;
        }
        return {"0080", "0600"};
    }
};

const QStringList kHeader = {"T", "C", "A", "1", "P", "10", "I", "I", "CLIENTE", "", "CUIT", "99999999995",
                             "N", "Direccion", "", "", "", "", "C"};

QStringList header(const QString& type, const QString& letter) {
    QStringList h = kHeader;
    h[0] = type;
    h[2] = letter;
    return h;
}

struct Case {
    const char* name;
    QString type, letter;  // empty type: a ticket
    bool cancelsOnClose;
    int told;
    const char* text;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

const Case kCases[] = {
    {"TicketInvoiceA", "T", "A", false, error_number::kIssuedReplyLost,
     "Se emitió TIQUE FACTURA A Nº 0003-00000013, pero su respuesta se perdió"},
    {"Ticket", "", "", false, error_number::kIssuedReplyLost, "Se emitió TIQUE Nº 0003-00000008"},
    {"TicketInvoiceB", "T", "B", false, error_number::kIssuedReplyLost, "Se emitió TIQUE FACTURA B/C Nº 0003-00000008"},
    // Printed but not issued: the printer cancelled it.
    {"TicketInvoiceACancelled", "T", "A", true, error_number::kCancelledByPrinter,
     "No se emitió TIQUE FACTURA A: el impresor lo canceló y usó el Nº 0003-00000013"},
    // A credit note moves its own counter, which the printer keeps without an issued count.
    {"CreditNoteA", "M", "A", false, error_number::kIssueUnknown,
     "No se sabe si se emitió NOTA DE CRÉDITO A: su número avanzó"},
    {"CreditNoteB", "M", "B", false, error_number::kIssueUnknown, "No se sabe si se emitió NOTA DE CRÉDITO B/C"},
};

class EpsonLostClose : public EpsonDriverTest, public ::testing::WithParamInterface<Case> {};

TEST_P(EpsonLostClose, IsToldFromTheCounterTheDocumentMoves) {
    const Case& c = GetParam();
    auto counters = std::make_shared<Counters>();
    counters->cancelsOnClose = c.cancelsOnClose;
    printer.answer = [counters](const frame::Frame& f) { return counters->answer(f); };
    if (c.type.isEmpty()) driver.OpenTicket();
    else driver.OpenTicketInvoice(header(c.type, c.letter));
    // The close is executed and every reply to it is lost.
    for (int i = 0; i < 3; ++i) printer.inject(Fault::DropReply);
    const int told = errorOf([&] {
        if (c.type.isEmpty()) driver.CloseTicket();
        else driver.CloseTicketInvoice(c.type, c.letter, QString());
    });
    EXPECT_EQ(told, c.told) << description.toStdString();
    EXPECT_TRUE(description.contains(QString::fromUtf8(c.text))) << description.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Documents, EpsonLostClose, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EpsonDriverTest, TheCounterIsReadBeforeTheDocumentOpens) {
    auto counters = std::make_shared<Counters>();
    printer.answer = [counters](const frame::Frame& f) { return counters->answer(f); };
    driver.OpenTicketInvoice(header("T", "A"));
    QList<quint8> commands;
    for (const frame::Frame& f : printer.executed) commands << f.command;
    // The port's synchronising status "N", the counters "A", then the opening.
    ASSERT_EQ(commands, QList<quint8>({0x2A, 0x2A, 0x60}));
    EXPECT_EQ(printer.executed[1].fields, QList<QByteArray>{"A"});
}

TEST_F(EpsonDriverTest, ACloseThatNeverArrivedIsSentOnceMoreWhileTheDocumentIsOpen) {
    auto counters = std::make_shared<Counters>();
    printer.answer = [counters](const frame::Frame& f) { return counters->answer(f); };
    driver.OpenTicketInvoice(header("T", "A"));
    for (int i = 0; i < 3; ++i) printer.inject(Fault::Nak);
    EXPECT_EQ(errorOf([&] { driver.CloseTicketInvoice("T", "A", QString()); }), 0) << description.toStdString();
    int closes = 0;
    for (const frame::Frame& f : printer.executed) closes += f.command == 0x65;
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(counters->issuedA, 13u);
}

TEST_F(EpsonDriverTest, ARefusedCloseWithTheRecordUnmovedIsThePrintersOwnRefusal) {
    answerWith({"0080", "0620"});  // every command refused as invalid in this state
    EXPECT_EQ(errorOf([&] { driver.CloseTicket(); }), error_number::kPrinterRefused) << description.toStdString();
}

}  // namespace
