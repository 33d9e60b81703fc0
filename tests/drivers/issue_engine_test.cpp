// The engine's whole decision, one row per situation a close can end in: what the printer
// recorded before the document opened, how each send of the close ended, what it recorded when
// read again, and what the technician is told.

#include "drivers/error_numbers.h"
#include "drivers/issue_engine.h"
#include "drivers/link/link.h"
#include "link/link_test_support.h"
#include "link/scripted_printer.h"
#include "support/driver_error_of.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <string>
#include <vector>

namespace {

using issue_outcome::Reading;
namespace en = error_number;

// A printer's record as the probe reads it.
Reading record(quint32 counter, bool open = false, bool paid = false) {
    Reading r;
    r.reached = true;
    r.counter = counter;
    r.documentOpen = open;
    r.paid = paid;
    return r;
}

Reading marked(quint32 counter, bool cancelled) {
    Reading r = record(counter);
    r.lastCancelled = cancelled;
    return r;
}

Reading counted(quint32 counter, quint32 cancelledDocuments) {
    Reading r = record(counter);
    r.cancelledCount = cancelledDocuments;
    return r;
}

Reading training(quint32 counter) {
    Reading r = record(counter);
    r.training = true;
    return r;
}

const Reading kSilent;  // the printer did not answer when read again

// Answered, but with no number for the document (the 2G tells none for a Z).
Reading withoutNumber() {
    Reading r;
    r.reached = true;
    return r;
}

const Document kInvoiceA{QStringLiteral("FACTURA A"), Series::InvoiceA};
const Document kZ{QStringLiteral("el CIERRE Z"), Series::Z, false, false, true};
const Document kDeliveryNote{QStringLiteral("REMITO")};

struct Case {
    const char* name;
    Document document;
    Reading before;
    std::vector<int> sends;       // how each send of the close ends: 0 accepted, else the error
    std::vector<Reading> after;   // the record read after each failure
    int told;                     // the number the technician sees, 0 for none
    const char* text;             // a part of what is told
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

const Case kCases[] = {
    // The close is never answered and the invoice is still open with its payment: it can only be
    // closed, so repeating (which closes it, then prints another) must not be advised.
    {"OpenAndPaidIsNeverRepeatable", kInvoiceA, marked(11, false), {en::kNoAnswer, en::kNoAnswer},
     {record(11, true, true), record(11, true, true)}, en::kOpenWithPayment,
     "FACTURA A sigue abierto con su pago y ya no puede cancelarse (el impresor no respondió). Termínelo con "
     "CANCELAR COMPROBANTE"},
    {"OpenAndUnpaidIsRepeatedAfterItsCancel", kInvoiceA, marked(11, false), {en::kNoAnswer, en::kGarbledLink},
     {record(11, true), record(11, true)}, en::kNotIssued, "sigue abierto en el impresor (las respuestas llegaron dañadas). Puede repetirlo: primero se cancela"},
    // A cancel uses up the number: a moved counter is no proof of an issued document.
    {"MovedButMarkedCancelled", kInvoiceA, marked(11, false), {en::kNoAnswer}, {marked(12, true)},
     en::kCancelledByPrinter, "No se emitió FACTURA A: el impresor lo canceló y usó el Nº 0001-00000012"},
    {"MovedWithTheDaysCancelsMoved", kInvoiceA, counted(11, 4), {en::kPortLost}, {counted(12, 5)},
     en::kCancelledByPrinter, "lo canceló"},
    {"MovedWithoutAnyMarkOfACancel", kInvoiceA, record(11), {en::kNoAnswer}, {record(12)}, en::kIssueUnknown,
     "No se sabe si se emitió FACTURA A: su número avanzó, pero el impresor no informa si lo canceló (el impresor no "
     "respondió). Mire en el papel del impresor si salió antes de repetirlo."},
    {"MovedAndNotCancelledIsIssued", kInvoiceA, counted(11, 4), {en::kNoAnswer}, {counted(12, 4)},
     en::kIssuedReplyLost, "Se emitió FACTURA A Nº 0001-00000012, pero su respuesta se perdió (el impresor no respondió). No lo repita."},
    {"MarkedNotCancelledIsIssued", kInvoiceA, marked(11, true), {en::kBadReply}, {marked(12, false)},
     en::kIssuedReplyLost, "Se emitió FACTURA A Nº 0001-00000012"},
    // A refusal of the close sent again is read against the record, as any other failure.
    {"ResentCloseRefusedAfterThePrinterCancelled", kInvoiceA, marked(11, false), {en::kNoAnswer, en::kPrinterRefused},
     {record(11, true), marked(12, true)}, en::kCancelledByPrinter, "el impresor lo canceló"},
    {"ResentCloseRefusedWhileStillOpen", kInvoiceA, marked(11, false), {en::kNoAnswer, en::kPrinterRefused},
     {record(11, true), record(11, true)}, en::kNotIssued, "(el impresor rechazó el cierre)"},
    // A first refusal stays what it is unless the record moved (an earlier send was acted on).
    {"FirstRefusalWithTheRecordUnmovedStays", kInvoiceA, marked(11, false), {en::kPrinterRefused}, {marked(11, false)},
     en::kPrinterRefused, "rechazo"},
    {"FirstRefusalAfterTheRecordMoved", kInvoiceA, marked(11, false), {en::kPrinterRefused}, {marked(12, true)},
     en::kCancelledByPrinter, "el impresor lo canceló y usó el Nº 0001-00000012"},
    {"UnmovedAndClosedIsNotRegistered", kInvoiceA, record(11), {en::kNoAnswer}, {record(11)}, en::kNotIssued,
     "No se emitió FACTURA A: el impresor no lo registró (el impresor no respondió). Puede repetirlo."},
    {"TrainingModeNeverMovesTheNumber", kInvoiceA, training(11), {en::kNoAnswer}, {training(11)}, en::kIssueUnknown,
     "en modo entrenamiento el impresor no avanza sus números (el impresor no respondió). Mire en el papel"},
    {"SilentWhenReadAgain", kInvoiceA, record(11), {en::kNoAnswer}, {kSilent}, en::kIssueUnknown,
     "No se sabe si se emitió FACTURA A: el impresor no respondió al consultarlo (el impresor no respondió). Verifique el "
     "último número con TRAER INFORMACIÓN antes de repetirlo."},
    // A Z whose number the printer never tells (the 2G): only the paper can say.
    {"SilentWhenReadAgainWithoutANumber", kZ, withoutNumber(), {en::kNoAnswer}, {kSilent}, en::kIssueUnknown,
     "el impresor no respondió al consultarlo (el impresor no respondió). Mire en el papel"},
    {"ResentCloseAccepted", kInvoiceA, record(11), {en::kNoAnswer, 0}, {record(11, true)}, 0, ""},
    {"ZMovedIsIssuedWithItsBareNumber", kZ, record(4), {en::kNoAnswer}, {record(5)}, en::kIssuedReplyLost,
     "Se emitió el CIERRE Z Nº 5,"},
    {"UnnumberedAndClosedIsUnknown", kDeliveryNote, {}, {en::kNoAnswer}, {record(0)}, en::kIssueUnknown,
     "No se sabe si se emitió REMITO: el impresor no informa su número (el impresor no respondió). Mire en el papel"},
    {"FailureBeforeSendingIsPassedOn", kInvoiceA, record(11), {en::kFieldNotSendable}, {}, en::kFieldNotSendable, ""},
};

// Reads the scripted records in turn.
class ScriptedProbe : public IssueProbe {
public:
    std::deque<Reading> records;
    int reads = 0;

    void read(const Document&, Reading& into) override {
        ++reads;
        if (records.empty()) throw DriverError(en::kNoAnswer, QStringLiteral("sin lectura"));
        into = records.front();
        records.pop_front();
        if (!into.reached) throw DriverError(en::kNoAnswer, QStringLiteral("sin respuesta"));
    }
    QString pointOfSale() override { return QStringLiteral("0001"); }
};

class IssueEngineDecides : public ::testing::TestWithParam<Case> {};

TEST_P(IssueEngineDecides, FromThePrintersOwnRecord) {
    const Case& c = GetParam();
    ScriptedPrinter port(false);
    Link link(port, fastLinkOptions(false));
    link.open(1);
    ScriptedProbe probe;
    // Only a numbered document is read before it opens.
    if (c.document.counted()) probe.records.push_back(c.before);
    for (const Reading& r : c.after) probe.records.push_back(r);
    IssueEngine engine(link, probe);

    engine.opening(c.document, [] {});
    std::size_t sent = 0;
    QString told;
    const int number = driverErrorOf(
        [&] {
            engine.close(c.document, [&] {
                ASSERT_LT(sent, c.sends.size()) << "sent once more than the row allows";
                const int outcome = c.sends[sent++];
                if (outcome != 0)
                    throw DriverError(outcome, QStringLiteral("rechazo con su consejo: revise el cable"));
            });
        },
        &told);

    EXPECT_EQ(number, c.told) << told.toStdString();
    EXPECT_EQ(sent, c.sends.size());
    EXPECT_TRUE(told.contains(QString::fromUtf8(c.text))) << told.toStdString();
    // A verdict tells the cause in a few words, never the cause's own advice.
    if (number >= en::kIssuedReplyLost && number <= en::kCancelledByPrinter) {
        EXPECT_FALSE(told.contains(QStringLiteral("revise"))) << told.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Drivers, IssueEngineDecides, ::testing::ValuesIn(kCases), named_case::testName);

TEST(IssueEngineInside, ALinkFailureInsideTheDocumentNamesTheDocumentLeftOpen) {
    ScriptedPrinter port(false);
    Link link(port, fastLinkOptions(false));
    link.open(1);
    ScriptedProbe probe;
    probe.records.push_back(record(11));
    IssueEngine engine(link, probe);
    const auto lost = [] { throw DriverError(en::kPortLost, QStringLiteral("Se perdió el puerto.")); };
    QString told;

    // Before anything opens, and once the document is closed, the failure is told as it is.
    EXPECT_EQ(driverErrorOf([&] { engine.inside(lost); }, &told), en::kPortLost);
    EXPECT_EQ(told, QStringLiteral("Se perdió el puerto."));
    engine.opening(kInvoiceA, [] {});
    EXPECT_EQ(driverErrorOf([&] { engine.inside(lost); }, &told), en::kPortLost);
    EXPECT_EQ(told, QStringLiteral("Se perdió el puerto. Quedó abierto FACTURA A en el impresor."));
    // A description that ends without a full stop still reads as two sentences.
    const auto cut = [] { throw DriverError(en::kPortLost, QStringLiteral("Se cortó la conexión sin respuesta a ImprimirItem")); };
    EXPECT_EQ(driverErrorOf([&] { engine.inside(cut); }, &told), en::kPortLost);
    EXPECT_EQ(told, QStringLiteral("Se cortó la conexión sin respuesta a ImprimirItem. Quedó abierto FACTURA A en el impresor."));
    engine.close(kInvoiceA, [] {});
    EXPECT_EQ(driverErrorOf([&] { engine.inside(lost); }, &told), en::kPortLost);
    EXPECT_EQ(told, QStringLiteral("Se perdió el puerto."));
}

TEST(IssueOutcomeDoubt, OnlyFailuresAfterTheCommandLeftLeaveDoubt) {
    for (int n : {en::kNoAnswer, en::kGarbledLink, en::kPortLost, en::kPrinterStuck, en::kBadReply,
                  en::kNotAFiscalPrinter})
        EXPECT_TRUE(issue_outcome::leavesDoubt(DriverError(n, {}))) << n;
    for (int n : {en::kPrinterRefused, en::kFieldNotSendable, en::kPortNotOpen, en::kAborted, en::kPortMissing})
        EXPECT_FALSE(issue_outcome::leavesDoubt(DriverError(n, {}))) << n;
}

}  // namespace
