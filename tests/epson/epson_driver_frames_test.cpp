#include "epson_driver_fixture.h"
#include "support/named_case.h"

#include <functional>

namespace {

const QByteArray kDel(1, 0x7F);

struct FrameCase {
    const char* name;
    std::function<void(EpsonPrinter&)> call;
    quint8 command;
    QList<QByteArray> fields;
    // A request that opens or issues a document is preceded by the counters status request.
    bool counted = false;
};

class OperationFrames : public EpsonDriverTest, public ::testing::WithParamInterface<FrameCase> {};

// Everything on the wire: the opening status "N" with SEQ 0x20, then the command with 0x21, and
// no ACK from the host.
TEST_P(OperationFrames, SendExactlyTheirCommandAndFields) {
    const FrameCase& c = GetParam();
    answerWith({"0080", "0600", "240115", "093000"});
    c.call(driver);
    QByteArray expected = frame::encode(frame::make(0x20, 0x2A, {"N"}));
    quint8 seq = 0x21;
    if (c.counted) expected += frame::encode(frame::make(seq++, 0x2A, {"A"}));
    expected += frame::encode(frame::make(seq, c.command, c.fields));
    EXPECT_EQ(frame::hex(printer.written), frame::hex(expected));
}

const QStringList kInvoiceOpen{"T", "C", "A", "1", "P", "10", "I", "I", "CLIENTE DE PRUEBA", QString(QChar(0x7F)),
                               "CUIT", "99999999995", "N", "Direccion", QString(QChar(0x7F)), QString(QChar(0x7F)),
                               QString(QChar(0x7F)), QString(QChar(0x7F)), "C"};
const QStringList kInvoiceItem{"Item de Prueba", "1000", "1", "0000", "M", "0", "0", "", "", "", "0"};
const QStringList kTicketItem = kInvoiceItem.mid(0, 7);

QString dateOut = QStringLiteral("240115");
QString timeOut = QStringLiteral("093000");

INSTANTIATE_TEST_SUITE_P(
    Operations, OperationFrames,
    ::testing::Values(
        FrameCase{"DailyReportX", [](EpsonPrinter& p) { p.DailyReport("X", "P"); }, 0x39, {"X", "P"}},
        FrameCase{"DailyReportZ", [](EpsonPrinter& p) { p.DailyReport("Z", "P"); }, 0x39, {"Z", "P"}, true},
        FrameCase{"GlobalReportByNumber", [](EpsonPrinter& p) { p.GlobalReport("T", "N", "1", "2"); }, 0x3B,
                  {"1", "2", "T"}},
        FrameCase{"GlobalReportByDate", [](EpsonPrinter& p) { p.GlobalReport("D", "F", "240101", "240131"); },
                  0x3A, {"240101", "240131", "D"}},
        FrameCase{"GlobalReportModeFirst", [](EpsonPrinter& p) { p.GlobalReport("F", "T", "240101", "240131"); },
                  0x3A, {"240101", "240131", "T"}},
        FrameCase{"FeedBothStations", [](EpsonPrinter& p) { p.FeedPaper("A", "20"); }, 0x52, {"20"}},
        FrameCase{"FeedTicket", [](EpsonPrinter& p) { p.FeedPaper("T", "20"); }, 0x50, {"20"}},
        FrameCase{"FeedJournal", [](EpsonPrinter& p) { p.FeedPaper("J", "5"); }, 0x51, {"5"}},
        FrameCase{"FeedSlip", [](EpsonPrinter& p) { p.FeedPaper("S", "3"); }, 0x53, {"3"}},
        FrameCase{"CutPaper", [](EpsonPrinter& p) { p.CutPaper(); }, 0x4B, {}},
        FrameCase{"OpenDrawerSendsNoField", [](EpsonPrinter& p) { p.OpenDrawer("1"); }, 0x7B, {}},
        FrameCase{"SetDateTime", [](EpsonPrinter& p) { p.SetDateTime("S", dateOut, timeOut); }, 0x58,
                  {"240115", "093000"}},
        FrameCase{"ReadDateTime", [](EpsonPrinter& p) { p.SetDateTime("G", dateOut, timeOut); }, 0x59, {}},
        FrameCase{"StatusRequest", [](EpsonPrinter& p) { p.StatusRequest("A"); }, 0x2A, {"A"}},
        FrameCase{"OpenNonFiscal", [](EpsonPrinter& p) { p.OpenNonFiscalDocument(); }, 0x48, {}, true},
        FrameCase{"NonFiscalTextAccentsAsPlainLetters",
                  [](EpsonPrinter& p) { p.PrintNonFiscalText(QStringLiteral("Línea Ñandú")); }, 0x49, {"Linea Nandu"}},
        FrameCase{"NonFiscalTextDropsTheDoubleWidthPrefix",
                  [](EpsonPrinter& p) { p.PrintNonFiscalText(QStringLiteral("\u00F4Nro. Impresor:")); }, 0x49,
                  {"Nro. Impresor:"}},
        FrameCase{"CloseNonFiscal", [](EpsonPrinter& p) { p.CloseNonFiscalDocument(); }, 0x4A, {"T"}, true},
        FrameCase{"OpenTicket", [](EpsonPrinter& p) { p.OpenTicket(); }, 0x40, {"C"}, true},
        FrameCase{"TicketItem", [](EpsonPrinter& p) { p.TicketItem(kTicketItem); }, 0x42,
                  {"Item de Prueba", "1000", "1", "0000", "M", "0", "0"}},
        FrameCase{"TicketPayment", [](EpsonPrinter& p) { p.TicketPayment("EFECTIVO", "1", "T"); }, 0x44,
                  {"EFECTIVO", "1", "T"}},
        FrameCase{"TicketCancel", [](EpsonPrinter& p) { p.TicketPayment("", "0", "C"); }, 0x44, {"", "0", "C"}},
        FrameCase{"CloseTicket", [](EpsonPrinter& p) { p.CloseTicket(); }, 0x45, {"T"}, true},
        FrameCase{"OpenTicketInvoice", [](EpsonPrinter& p) { p.OpenTicketInvoice(kInvoiceOpen); }, 0x60,
                  {"T", "C", "A", "1", "P", "10", "I", "I", "CLIENTE DE PRUEBA", kDel, "CUIT", "99999999995", "N",
                   "Direccion", kDel, kDel, kDel, kDel, "C"}, true},
        FrameCase{"TicketInvoiceItem", [](EpsonPrinter& p) { p.TicketInvoiceItem(kInvoiceItem); }, 0x62,
                  {"Item de Prueba", "1000", "1", "0000", "M", "0", "0", "", "", "", "0"}},
        FrameCase{"TicketInvoicePayment", [](EpsonPrinter& p) { p.TicketInvoicePayment("EFECTIVO", "1", "T"); },
                  0x64, {"EFECTIVO", "1", "T"}},
        FrameCase{"CloseTicketInvoice", [](EpsonPrinter& p) { p.CloseTicketInvoice("T", "A", ""); }, 0x65,
                  {"T", "A", kDel}, true},
        FrameCase{"CloseTicketInvoiceWithText", [](EpsonPrinter& p) { p.CloseTicketInvoice("T", "A", "Gracias"); },
                  0x65, {"T", "A", "Gracias"}, true}),
    named_case::testName);

struct BadArgumentCase {
    const char* name;
    std::function<void(EpsonPrinter&)> call;
    int number;
};

class RefusedBeforeSending : public EpsonDriverTest, public ::testing::WithParamInterface<BadArgumentCase> {};

TEST_P(RefusedBeforeSending, NeitherOpensThePortNorSendsAByte) {
    EXPECT_EQ(errorOf([&] { GetParam().call(driver); }), GetParam().number);
    EXPECT_EQ(printer.opens, 0);
    EXPECT_TRUE(printer.written.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, RefusedBeforeSending,
    ::testing::Values(
        BadArgumentCase{"LineFeedInText", [](EpsonPrinter& p) { p.PrintNonFiscalText("uno\ndos"); },
                        error_number::kFieldNotSendable},
        BadArgumentCase{"FieldSeparatorInItem",
                        [](EpsonPrinter& p) { p.TicketItem({"a\x1c" "b", "1000", "1", "0000", "M", "0", "0"}); },
                        error_number::kFieldNotSendable},
        BadArgumentCase{"NulInPayment", [](EpsonPrinter& p) { p.TicketPayment(QString(QChar(0)), "1", "T"); },
                        error_number::kFieldNotSendable},
        BadArgumentCase{"EuroSignOutsideAscii", [](EpsonPrinter& p) { p.PrintNonFiscalText(QStringLiteral("5 €")); },
                        error_number::kUnprintableCharacter},
        BadArgumentCase{"OrdinalInItem",
                        [](EpsonPrinter& p) { p.TicketItem({QStringLiteral("N\u00BA 1"), "1000", "1", "0000", "M", "0", "0"}); },
                        error_number::kUnprintableCharacter},
        // A closing request asks for its counter first: not when it cannot travel.
        BadArgumentCase{"TabInTheCloseOfATicketInvoice", [](EpsonPrinter& p) { p.CloseTicketInvoice("T", "A", "\t"); },
                        error_number::kFieldNotSendable},
        BadArgumentCase{"FrameLargerThanADecoderTakes",
                        [](EpsonPrinter& p) { p.PrintNonFiscalText(QString(frame::kMaxFrameBytes, QLatin1Char('x'))); },
                        error_number::kFieldNotSendable},
        BadArgumentCase{"UnknownFeedStation", [](EpsonPrinter& p) { p.FeedPaper("X", "20"); },
                        error_number::kBadArgument},
        BadArgumentCase{"GlobalReportWithoutMode", [](EpsonPrinter& p) { p.GlobalReport("T", "D", "1", "2"); },
                        error_number::kBadArgument},
        BadArgumentCase{"GlobalReportWithTwoModes", [](EpsonPrinter& p) { p.GlobalReport("N", "F", "1", "2"); },
                        error_number::kBadArgument}),
    named_case::testName);

}  // namespace
