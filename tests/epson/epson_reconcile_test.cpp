// The Epson side of the issue engine: which counter each close moves, and what the printer's
// printed and issued counts say about a document whose reply was lost.

#include "epson/epson_driver_fixture.h"
#include "drivers/left_open.h"
#include "support/named_case.h"

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
    bool ticket = false;          // the open document is a ticket
    bool cancelsOnClose = false;  // the close ends in a cancel (as after a power cut)
    bool refusesCounters = false;           // the counters request is refused
    bool cancelKeepsNumbers = false;        // a cancel does not use its number up (training)

    // A cancelling payment: refused with nothing open, or by a ticket-invoice for the ticket's
    // own cancel; otherwise the document is ended, its number used up but not issued.
    QList<QByteArray> cancel(quint8 command) {
        if (openType.isEmpty()) return {"0080", "8620"};
        if (command == 0x44 && !ticket) return {"0080", "B620"};
        if (!cancelKeepsNumbers) {
            const bool a = openLetter == "A";
            if (openType == "M") ++(a ? creditA : creditB);
            else ++(a ? printedA : printedB);
        }
        openType.clear();
        return {"0080", "0600"};
    }

    QList<QByteArray> answer(const frame::Frame& f) {
        const auto n = [](quint32 v) { return QByteArray::number(v).rightJustified(8, '0'); };
        const QByteArray fiscal = openType.isEmpty() ? "0600" : "3600";
        switch (f.command) {
        case 0x2A:
            if (f.fields.value(0) == "C") return {"0080", fiscal, "30712345671", "0003"};
            if (refusesCounters && f.fields.value(0) == "A") return {"0080", "8610"};
            return {"0080", fiscal, "00041", n(issuedB), n(printedB), n(issuedA), n(printedA), "00001", "00000",
                    "00000001", n(creditA), n(creditB), "00000000"};
        case 0x40: openType = "T", openLetter = "B", ticket = true; break;
        case 0x60: openType = f.fields.value(0), openLetter = f.fields.value(2), ticket = false; break;
        case 0x44:
        case 0x64:
            if (f.fields.value(2) == "C") return cancel(f.command);
            break;
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

INSTANTIATE_TEST_SUITE_P(Documents, EpsonLostClose, ::testing::ValuesIn(kCases), named_case::testName);

TEST_F(EpsonDriverTest, AGlobalReportWhoseRepliesAreAllLostIsInDoubtNotAFailure) {
    // A plain failure would have the technician print it a second time. The counters are read
    // first; every reply to the report itself is lost.
    printer.inject(Fault::None);
    for (int i = 0; i < 3; ++i) printer.inject(Fault::DropReply);
    EXPECT_EQ(errorOf([&] { driver.GlobalReport("T", "N", "1", "2"); }), error_number::kIssueUnknown) << description.toStdString();
    EXPECT_TRUE(description.contains(QStringLiteral("No se sabe si se emitió el INFORME GLOBAL"))) << description.toStdString();
}

// --- What a cancel found left open ------------------------------------------------------------

struct LeftOpenCase {
    const char* name;
    QString type, letter;  // the document left open; empty type: a ticket; "-": none
    void (*printer)(Counters&);
    QList<quint8> sent;  // after the document was opened
    LeftOpen found;
};

void PrintTo(const LeftOpenCase& c, std::ostream* os) { *os << c.name; }

void asIs(Counters&) {}

const LeftOpenCase kLeftOpenCases[] = {
    // The counters say nothing is open: nothing is sent to cancel it.
    {"NothingOpen", "-", "", asIs, {0x2A}, {}},
    // Cancelled by its own payment command, then named by the series whose number it used up.
    {"TicketInvoiceARefusingTheTicketsCancel", "T", "A", asIs, {0x2A, 0x44, 0x64, 0x2A, 0x2A},
     {LeftOpen::End::Cancelled, QStringLiteral("TIQUE FACTURA A"), QStringLiteral("0003-00000013")}},
    {"CreditNoteB", "M", "B", asIs, {0x2A, 0x44, 0x64, 0x2A, 0x2A},
     {LeftOpen::End::Cancelled, QStringLiteral("NOTA DE CRÉDITO B/C"), QStringLiteral("0003-00000006")}},
    // Without the counters, or with numbers that do not move, the document is cancelled unnamed.
    {"CountersRefused", "T", "A", [](Counters& c) { c.refusesCounters = true; }, {0x2A, 0x44, 0x64, 0x2A},
     {LeftOpen::End::Cancelled, QStringLiteral("el comprobante fiscal")}},
    {"NumbersUnmoved", "", "", [](Counters& c) { c.cancelKeepsNumbers = true; }, {0x2A, 0x44, 0x2A},
     {LeftOpen::End::Cancelled, QStringLiteral("el comprobante fiscal")}},
};

class EpsonCancelAll : public EpsonDriverTest, public ::testing::WithParamInterface<LeftOpenCase> {};

TEST_P(EpsonCancelAll, CancelsWhatIsOpenAndNamesItFromTheCounters) {
    const LeftOpenCase& c = GetParam();
    auto counters = std::make_shared<Counters>();
    c.printer(*counters);
    printer.answer = [counters](const frame::Frame& f) { return counters->answer(f); };
    if (c.type.isEmpty()) driver.OpenTicket();
    else if (c.type != QLatin1String("-")) driver.OpenTicketInvoice(header(c.type, c.letter));
    else driver.CutPaper();  // only for the port to be open, as after any earlier command
    const qsizetype before = printer.executed.size();

    LeftOpen found;
    EXPECT_EQ(errorOf([&] { found = driver.CancelAll(); }), 0) << description.toStdString();
    QList<quint8> sent;
    for (const frame::Frame& f : printer.executed.mid(before)) sent << f.command;
    EXPECT_EQ(sent, c.sent);
    EXPECT_EQ(found.end, c.found.end);
    EXPECT_EQ(found.document, c.found.document);
    EXPECT_EQ(found.number, c.found.number);
    EXPECT_TRUE(counters->openType.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Documents, EpsonCancelAll, ::testing::ValuesIn(kLeftOpenCases), named_case::testName);

// A non-fiscal document left open (bit 13 without 12) refuses every cancel: its own close ends it.
TEST_F(EpsonDriverTest, ANonFiscalDocumentLeftOpenIsClosedAndNamed) {
    auto open = std::make_shared<bool>(true);
    printer.answer = [open](const frame::Frame& f) -> QList<QByteArray> {
        if (f.command == 0x4A) *open = false;
        if (f.command == 0x44) return {"0080", "A620"};
        const QByteArray fiscal = *open ? "2600" : "0600";
        return {"0080", fiscal, "00041", "00000007", "00000007", "00000012", "00000012", *open ? "00003" : "00004",
                "00000", "00000009", "00000000", "00000000", "00000000"};
    };
    driver.CutPaper();  // only for the port to be open, as after any earlier command
    LeftOpen found;
    EXPECT_EQ(errorOf([&] { found = driver.CancelAll(); }), 0) << description.toStdString();
    int closes = 0;
    for (const frame::Frame& f : printer.executed) closes += f.command == 0x4A;
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(found.end, LeftOpen::End::Closed);
    EXPECT_EQ(found.document, QStringLiteral("el DOCUMENTO NO FISCAL"));
    EXPECT_EQ(found.number, QStringLiteral("00000004"));
}

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
