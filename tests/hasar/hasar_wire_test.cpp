#include "drivers/error_numbers.h"
#include "hasar/hasar_fixture.h"
#include "support/named_case.h"

#include <cmath>

namespace {

struct WireCase {
    std::string name;
    int model;
    std::function<void(HasarPrinter&)> call;
    quint8 command;
    QList<QByteArray> fields;
    // The printer's record read first: before a numbered document opens (the status, and the
    // day's cancelled count where the status has no document-status field), or before a Z.
    QList<quint8> reads = {};
};

void PrintTo(const WireCase& c, std::ostream* os) { *os << c.name; }

class HasarWire : public HasarTest, public ::testing::WithParamInterface<WireCase> {};

TEST_P(HasarWire, TheOperationSendsExactlyThisFrame) {
    const WireCase& c = GetParam();
    begin(c.model);
    c.call(*driver);
    // The session's status request took 0x20, so the operation's frames start at 0x21.
    QByteArray expected;
    quint8 seq = 0x21;
    for (const quint8 read : c.reads) expected += frame::encode(frame::make(seq++, read)) + frame::ACK;
    expected += frame::encode(frame::make(seq, c.command, c.fields)) + frame::ACK;
    EXPECT_EQ(printer->written, expected) << frame::hex(printer->written).toStdString();
}

const QString kCustomer = QStringLiteral("Cliente de Prueba");
const QList<quint8> kRecord{0x2A, 0x67};

INSTANTIATE_TEST_SUITE_P(
    Operations, HasarWire,
    ::testing::Values(
        WireCase{"CustomerWithCuit", 2,
                 [](HasarPrinter& p) { p.SetCustomerData(kCustomer, QStringLiteral("99999999995"), 67, 73); }, 0x62,
                 {"Cliente de Prueba", "99999999995", "I", "C"}},
        WireCase{"CustomerWithAddress", 2,
                 [](HasarPrinter& p) {
                     p.SetCustomerData(kCustomer, QStringLiteral(" "), 32, 67, QStringLiteral("Direccion"));
                 },
                 0x62, {"Cliente de Prueba", " ", "C", " ", "Direccion"}},
        WireCase{"TicketOnATicketModel", 2, [](HasarPrinter& p) { p.OpenFiscalReceipt(84); }, 0x40, {"T", "T"}, kRecord},
        WireCase{"InvoiceAOnATicketModel", 3, [](HasarPrinter& p) { p.OpenFiscalReceipt(65); }, 0x40, {"A", "T"}, kRecord},
        WireCase{"InvoiceAOnTheSlip", 7, [](HasarPrinter& p) { p.OpenFiscalReceipt(48); }, 0x40, {"A", "S"}, kRecord},
        WireCase{"InvoiceBOnTheSlip", 8, [](HasarPrinter& p) { p.OpenFiscalReceipt(49); }, 0x40, {"B", "S"}, kRecord},
        WireCase{"SlipModelsUseTheSlipStation", 7, [](HasarPrinter& p) { p.OpenFiscalReceipt(65); }, 0x40, {"A", "S"}, kRecord},
        WireCase{"Item", 2,
                 [](HasarPrinter& p) { p.ImprimirItem(QStringLiteral("Item de Prueba "), 1.0, 0.01, 0.0, 0.0); }, 0x42,
                 {"Item de Prueba ", "1.0", "0.01", "0.00", "M", "0.00000000", "0", "T"}},
        WireCase{"ItemWithVat", 2, [](HasarPrinter& p) { p.ImprimirItem(QStringLiteral("X"), 2.5, 1210, 21, 0.5); },
                 0x42, {"X", "2.5", "1210.00", "21.00", "M", "0.50000000", "0", "T"}},
        WireCase{"Payment", 7, [](HasarPrinter& p) { p.PrintPayment(QString(), 1.0); }, 0x44, {"", "1.00", "T", "0"}},
        WireCase{"CloseReceipt", 2, [](HasarPrinter& p) { p.CloseFiscalReceipt(); }, 0x45, {}},
        WireCase{"CreditNoteA", 2, [](HasarPrinter& p) { p.OpenHomologatedDocument(82); }, 0x80, {"R", "T"}, kRecord},
        WireCase{"CreditNoteBOnTheSlip", 8, [](HasarPrinter& p) { p.OpenHomologatedDocument(83); }, 0x80, {"S", "S"}, kRecord},
        WireCase{"DeliveryNote", 2, [](HasarPrinter& p) { p.OpenHomologatedDocument(114); }, 0x80, {"r", "T"}},
        WireCase{"ReceiptWithCopies", 2, [](HasarPrinter& p) { p.OpenHomologatedDocument(120, 1); }, 0x80,
                 {"x", "T", "1"}},
        WireCase{"AssociatedDocument", 2,
                 [](HasarPrinter& p) { p.AssociatedDocument(1, QStringLiteral("A-0001-00000001")); }, 0x93,
                 {"1", "A-0001-00000001"}},
        WireCase{"DeliveryItem", 2, [](HasarPrinter& p) { p.PrintDeliveryItem(QStringLiteral("Remito de Prueba"), 1.0); },
                 0x82, {"Remito de Prueba", "1.0", "0"}},
        WireCase{"ReceiptText", 2, [](HasarPrinter& p) { p.PrintReceiptText(QStringLiteral("Detalle Recibo Linea 1")); },
                 0x97, {"Detalle Recibo Linea 1"}},
        WireCase{"CloseHomologated", 2, [](HasarPrinter& p) { p.CloseHomologatedDocument(); }, 0x81, {}},
        WireCase{"OpenNonFiscal", 2, [](HasarPrinter& p) { p.OpenNonFiscalDocument(); }, 0x48, {}},
        WireCase{"NonFiscalText", 2, [](HasarPrinter& p) { p.PrintNonFiscalText(QStringLiteral("Prueba")); }, 0x49,
                 {"Prueba", "0"}},
        WireCase{"CloseNonFiscal", 2, [](HasarPrinter& p) { p.CloseNonFiscalDocument(); }, 0x4A, {}},
        WireCase{"XReport", 2, [](HasarPrinter& p) { p.PrintXReport(); }, 0x39, {"X"}},
        WireCase{"ZReport", 2, [](HasarPrinter& p) { p.PrintZReport(); }, 0x39, {"Z"}, {0x2A, 0x37}},
        WireCase{"GlobalByDate", 2,
                 [](HasarPrinter& p) { p.GlobalReportByDate(QDate(1997, 1, 1), QDate(2026, 12, 8), true); }, 0x3A,
                 {"970101", "261208", "T"}},
        WireCase{"GlobalByNumber", 2, [](HasarPrinter& p) { p.GlobalReportByNumber(1, 12, true); }, 0x3B,
                 {"0001", "0012", "T"}},
        WireCase{"GlobalByLongNumberPerZ", 2, [](HasarPrinter& p) { p.GlobalReportByNumber(1, 12345, false); }, 0x3B,
                 {"0001", "12345", "D"}},
        WireCase{"Drawer", 2, [](HasarPrinter& p) { p.OpenDrawer(); }, 0x7B, {}},
        WireCase{"Cut", 2, [](HasarPrinter& p) { p.CutPaper(); }, 0x4B, {}},
        WireCase{"RawCloseWithoutFields", 2, [](HasarPrinter& p) { p.SendCommand(QByteArray(1, char(129))); }, 0x81, {}},
        WireCase{"RawDateTime", 2, [](HasarPrinter& p) { p.SendCommand("X\x1C" "250131\x1C" "120000"); }, 0x58,
                 {"250131", "120000"}},
        WireCase{"RawEmbarkAboveAscii", 2,
                 [](HasarPrinter& p) { p.SendCommand(QByteArray(1, char(147)) + "\x1C" "1\x1C" "A-0001-00000001"); },
                 0x93, {"1", "A-0001-00000001"}},
        WireCase{"RawEmptyField", 2, [](HasarPrinter& p) { p.SendCommand("D\x1C\x1C" "1.0"); }, 0x44, {"", "1.0"}},
        WireCase{"TextInThePrintersCodePage", 2,
                 [](HasarPrinter& p) { p.PrintNonFiscalText(QString(QChar(0xF4)) + QStringLiteral("Año ÚNICO ¿sí?")); },
                 0x49, {"\xF4" "A\xA4o UNICO \xA8s\xA1?", "0"}},
        WireCase{"QueryStatus", 2, [](HasarPrinter& p) { p.QueryStatus(); }, 0x2A, {}},
        WireCase{"QueryInitData", 2, [](HasarPrinter& p) { p.QueryInitData(); }, 0x73, {}},
        WireCase{"QueryDailyStatus", 2, [](HasarPrinter& p) { p.QueryDailyStatus(); }, 0x37, {}},
        WireCase{"QueryDayActivity", 2, [](HasarPrinter& p) { p.QueryDayActivity(); }, 0x67, {}}),
    named_case::testName);

struct RefusedCase {
    std::string name;
    std::function<void(HasarPrinter&)> call;
    int error;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class HasarRefusesBeforeSending : public HasarTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(HasarRefusesBeforeSending, NothingReachesThePrinter) {
    begin();
    EXPECT_EQ(errorOf([&] { GetParam().call(*driver); }), GetParam().error);
    EXPECT_FALSE(lastError.isEmpty());
    EXPECT_TRUE(printer->written.isEmpty()) << frame::hex(printer->written).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, HasarRefusesBeforeSending,
    ::testing::Values(
        RefusedCase{"LineFeedInText", [](HasarPrinter& p) { p.PrintNonFiscalText(QStringLiteral("a\nb")); },
                    error_number::kFieldNotSendable},
        RefusedCase{"SeparatorInCustomerName",
                    [](HasarPrinter& p) { p.SetCustomerData(QStringLiteral("a\x1C" "b"), QStringLiteral("1"), 67, 73); },
                    error_number::kFieldNotSendable},
        RefusedCase{"ControlByteInRawField", [](HasarPrinter& p) { p.SendCommand("I\x1C" "a\x03" "b"); },
                    error_number::kFieldNotSendable},
        RefusedCase{"ControlByteAsRawCommand", [](HasarPrinter& p) { p.SendCommand("\x05\x1C" "a"); },
                    error_number::kFieldNotSendable},
        RefusedCase{"EuroSignInText", [](HasarPrinter& p) { p.PrintNonFiscalText(QStringLiteral("5 €")); },
                    error_number::kUnprintableCharacter},
        RefusedCase{"EmojiInItem", [](HasarPrinter& p) { p.ImprimirItem(QStringLiteral("Caf\u00E9 \U0001F600"), 1, 1, 21, 0); },
                    error_number::kUnprintableCharacter},
        RefusedCase{"LatinOnlyLetterInCustomer",
                    [](HasarPrinter& p) { p.SetCustomerData(QStringLiteral("Jo\u00E3o"), "20123456786", 'C', 'I'); },
                    error_number::kUnprintableCharacter},
        RefusedCase{"EmptyRawCommand", [](HasarPrinter& p) { p.SendCommand({}); }, error_number::kBadArgument},
        RefusedCase{"RawFieldWithoutSeparator", [](HasarPrinter& p) { p.SendCommand("XY"); }, error_number::kBadArgument},
        RefusedCase{"NegativeZ", [](HasarPrinter& p) { p.GlobalReportByNumber(-1, 5, true); }, error_number::kBadArgument},
        RefusedCase{"InvalidDate", [](HasarPrinter& p) { p.GlobalReportByDate(QDate(), QDate(2026, 1, 1), true); },
                    error_number::kBadArgument},
        RefusedCase{"AmountNotANumber", [](HasarPrinter& p) { p.PrintPayment(QString(), std::nan("")); },
                    error_number::kBadArgument},
        // Each numeric field in its form: whole digits, decimals and sign as the manual draws them.
        RefusedCase{"PriceOfSevenWholeDigits", [](HasarPrinter& p) { p.ImprimirItem("X", 1, 1e6, 21, 0); },
                    error_number::kBadArgument},
        RefusedCase{"PriceOfAThousandthPart", [](HasarPrinter& p) { p.ImprimirItem("X", 1, 0.001, 21, 0); },
                    error_number::kBadArgument},
        RefusedCase{"QuantityOfElevenDecimals", [](HasarPrinter& p) { p.ImprimirItem("X", 1e-11, 1, 21, 0); },
                    error_number::kBadArgument},
        RefusedCase{"VatOfAHundred", [](HasarPrinter& p) { p.ImprimirItem("X", 1, 1, 100, 0); },
                    error_number::kBadArgument},
        RefusedCase{"NegativeVat", [](HasarPrinter& p) { p.ImprimirItem("X", 1, 1, -21, 0); },
                    error_number::kBadArgument},
        RefusedCase{"CoefficientOfOne", [](HasarPrinter& p) { p.ImprimirItem("X", 1, 1, 21, 1); },
                    error_number::kBadArgument},
        RefusedCase{"PaymentOfAThousandMillions", [](HasarPrinter& p) { p.PrintPayment(QString(), 1e9); },
                    error_number::kBadArgument},
        RefusedCase{"DeliveryQuantityOfFiveDecimals",
                    [](HasarPrinter& p) { p.PrintDeliveryItem(QStringLiteral("Remito"), 1.00001); },
                    error_number::kBadArgument},
        RefusedCase{"NegativeDeliveryQuantity", [](HasarPrinter& p) { p.PrintDeliveryItem(QStringLiteral("Remito"), -1); },
                    error_number::kBadArgument},
        RefusedCase{"AssociatedDocumentLineThree",
                    [](HasarPrinter& p) { p.AssociatedDocument(3, QStringLiteral("A-0001-00000001")); },
                    error_number::kBadArgument},
        RefusedCase{"DocumentTypeNotAChar",
                    [](HasarPrinter& p) { p.SetCustomerData(QStringLiteral("a"), QStringLiteral("1"), 10, 73); },
                    error_number::kBadArgument},
        RefusedCase{"ReceiptCodeAboveAByte", [](HasarPrinter& p) { p.OpenFiscalReceipt(300); },
                    error_number::kBadArgument},
        RefusedCase{"ModelZero", [](HasarPrinter& p) { p.Model(0); }, error_number::kBadArgument},
        RefusedCase{"ModelTen", [](HasarPrinter& p) { p.Model(10); }, error_number::kBadArgument}),
    named_case::testName);

}  // namespace
