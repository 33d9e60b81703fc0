#include "drivers/error_numbers.h"
#include "hasar/hasar_fixture.h"
#include "drivers/hasar/hasar_status.h"
#include "support/named_case.h"

namespace {

QByteArray word(int bit) { return QByteArray::number(1u << bit, 16).toUpper().rightJustified(4, '0'); }

struct BitCase {
    std::string name;
    QByteArray printerStatus;
    QByteArray fiscalStatus;
    int error;  // 0: the command succeeds
    std::string description;
};

void PrintTo(const BitCase& c, std::ostream* os) { *os << c.name; }

class HasarStatusBits : public HasarTest, public ::testing::WithParamInterface<BitCase> {};

TEST_P(HasarStatusBits, ACommandFailsExactlyOnTheErrorBits) {
    const BitCase& c = GetParam();
    begin();
    answerWith({c.printerStatus, c.fiscalStatus});
    EXPECT_EQ(errorOf([&] { driver->PrintXReport(); }), c.error);
    if (c.error) {
        EXPECT_EQ(lastError, QString::fromStdString(c.description));
    }
}

TEST_P(HasarStatusBits, AQueryNeverFailsAndKeepsTheStatusOnlyAnswer) {
    const BitCase& c = GetParam();
    begin();
    answerWith({c.printerStatus, c.fiscalStatus});
    EXPECT_EQ(errorOf([&] { driver->QueryStatus(); }), 0);
    EXPECT_EQ(errorOf([&] { driver->QueryInitData(); }), 0);
    EXPECT_EQ(errorOf([&] { driver->QueryDailyStatus(); }), 0);
    EXPECT_EQ(errorOf([&] { driver->QueryDayActivity(); }), 0);
    EXPECT_EQ(driver->Respuesta(0), QString::fromLatin1(c.printerStatus + '\x1C' + c.fiscalStatus));
    EXPECT_EQ(driver->Respuesta(0).size(), 9);
}

const char* kRefused = "El impresor rechazó el comando 0x39: ";

BitCase fiscal(int bit, const char* meaning) {
    return {"Fiscal" + std::to_string(bit), "0000", word(bit), error_number::kPrinterRefused,
            std::string(kRefused) + meaning};
}

BitCase printer(int bit, const char* meaning) {
    return {"Printer" + std::to_string(bit), word(bit), "0000", error_number::kPrinterFault,
            std::string("El impresor no pudo ejecutar el comando 0x39: ") + meaning};
}

BitCase harmless(const char* name, const char* printerStatus, const char* fiscalStatus) {
    return {name, printerStatus, fiscalStatus, 0, ""};
}

INSTANTIATE_TEST_SUITE_P(
    Bits, HasarStatusBits,
    ::testing::Values(
        fiscal(0, "error en la memoria fiscal"), fiscal(1, "error en la memoria de trabajo"),
        BitCase{"Fiscal3", "0000", word(3), error_number::kCommandNotInModel,
                "El modelo Hasar 615 no tiene el comando CIERRE DE JORNADA X/Z (0x39)"},
        fiscal(4, "dato no válido en un campo"),
        fiscal(5, "comando no válido en el estado fiscal actual"), fiscal(6, "desborde de totales"),

        printer(2, "falla del mecanismo de impresión"), printer(3, "impresora fuera de línea"),
        printer(8, "tapa abierta"),
        BitCase{"FiscalAndPrinterTogether", "0100", "0030", error_number::kPrinterRefused,
                "El impresor rechazó el comando 0x39: dato no válido en un campo, comando no válido en el estado fiscal "
                "actual, tapa abierta"},
        harmless("Idle", "0080", "0600"), harmless("LowBatteryWarning", "0000", "0004"),
        harmless("MemoryFullLasts", "0000", "0080"), harmless("WrongDateLasts", "0000", "0800"),
        harmless("MemoryAlmostFull", "0000", "0100"), harmless("DocumentOpen", "0000", "3000"),
        harmless("SlipOrStatprn", "0000", "4000"), harmless("FiscalSummaryAlone", "0000", "8000"),
        harmless("PaperLow", "0030", "0000"), harmless("DrawerAndSummary", "C000", "0000"),
        harmless("UnusedPrinterBits", "0003", "0000")),
    named_case::testName);

// A lasting condition fails only what it blocks: an opening after which no document is open, and
// the clock command whose date the printer would not take.
struct ConditionCase {
    std::string name;
    std::function<void(HasarPrinter&)> call;
    QByteArray fiscalStatus;
    std::string description;  // empty: no error
};

void PrintTo(const ConditionCase& c, std::ostream* os) { *os << c.name; }

class HasarConditions : public HasarTest, public ::testing::WithParamInterface<ConditionCase> {};

TEST_P(HasarConditions, RefuseOnlyWhatTheyBlock) {
    const ConditionCase& c = GetParam();
    begin(8);
    answerWith({"0080", c.fiscalStatus});
    const int error = errorOf([&] { c.call(*driver); });
    EXPECT_EQ(error, c.description.empty() ? 0 : error_number::kPrinterRefused);
    if (error) {
        EXPECT_EQ(lastError, QString::fromStdString(c.description));
    }
}

const auto openInvoiceA = [](HasarPrinter& p) { p.OpenFiscalReceipt(65); };
const auto setClock = [](HasarPrinter& p) { p.SendCommand("X\x1C" "250131\x1C" "120000"); };

INSTANTIATE_TEST_SUITE_P(
    Conditions, HasarConditions,
    ::testing::Values(
        ConditionCase{"FullMemoryRefusesAnInvoice", openInvoiceA, "0680",
                      "El impresor rechazó el comando 0x40: memoria fiscal llena, bloqueada o dada de baja: no se "
                      "pueden emitir comprobantes fiscales; revise la memoria fiscal del impresor"},
        ConditionCase{"FullMemoryWithTheInvoiceOpenedAfterAll", openInvoiceA, "3680", ""},
        ConditionCase{"FullMemoryLetsTheXRun", [](HasarPrinter& p) { p.PrintXReport(); }, "0680", ""},
        ConditionCase{"WrongDateLetsAnInvoiceOpen", openInvoiceA, "3E00", ""},
        ConditionCase{"WrongDateRefusesTheClock", setClock, "0E00",
                      "El impresor rechazó el comando 0x58: fecha no válida. La fecha y la hora solo se cambian antes "
                      "del primer documento del día: haga un cierre Z (IMPRIMIR Z) y vuelva a intentarlo"}),
    named_case::testName);

TEST(HasarConditionNotices, TellEveryConditionAndNothingElse) {
    EXPECT_EQ(hasarConditions({"0080", "0600"}), QStringList());
    EXPECT_EQ(hasarConditions({"0010", "0F00"}),
              (QStringList{QStringLiteral("falta papel del diario"),
                           QStringLiteral("memoria fiscal casi llena: quedan 30 cierres Z o menos"),
                           QStringLiteral("fecha no válida: cámbiela con CAMBIO DE FECHA Y HORA")}));
    EXPECT_EQ(hasarConditions({"0080"}), QStringList());
}

// A command the printer answers as unknown: the message names the model, the command and its code.
struct LackedCase {
    std::string name;
    int model;  // 0: never written
    std::function<void(HasarPrinter&)> call;
    std::string description;
};

void PrintTo(const LackedCase& c, std::ostream* os) { *os << c.name; }

class HasarModelLacks : public HasarTest, public ::testing::WithParamInterface<LackedCase> {};

TEST_P(HasarModelLacks, TheRefusalSaysTheModelHasNoSuchCommand) {
    const LackedCase& c = GetParam();
    driver->ComPort(1);
    if (c.model) driver->Model(c.model);
    driver->BeginSession();
    answerWith({"0080", "0608"});
    EXPECT_EQ(errorOf([&] { c.call(*driver); }), error_number::kCommandNotInModel);
    EXPECT_EQ(lastError, QString::fromStdString(c.description));
}

INSTANTIATE_TEST_SUITE_P(
    Models, HasarModelLacks,
    ::testing::Values(
        LackedCase{"HomologatedOn615", 2, [](HasarPrinter& p) { p.OpenHomologatedDocument(82); },
                   "El modelo Hasar 615 no tiene el comando ABRIR DOCUMENTO NO FISCAL HOMOLOGADO (0x80)"},
        LackedCase{"RawAssociatedDocumentOnPr4", 3,
                   [](HasarPrinter& p) { p.SendCommand(QByteArray(1, char(0x93)) + "\x1C" "1\x1C" "A-0001-00000001"); },
                   "El modelo Hasar PR4 no tiene el comando DOCUMENTO ASOCIADO (0x93)"},
        LackedCase{"ReceiptTextOn951", 5, [](HasarPrinter& p) { p.PrintReceiptText(QStringLiteral("Linea")); },
                   "El modelo Hasar 951 no tiene el comando TEXTO DE RECIBO (0x97)"},
        LackedCase{"NamelessCommandOf715", 9, [](HasarPrinter& p) { p.SendCommand("w"); },
                   "El modelo Hasar 715/PR5 no tiene el comando 0x77"},
        LackedCase{"ModelNeverWritten", 0, [](HasarPrinter& p) { p.OpenDrawer(); },
                   "Este modelo de impresor Hasar no tiene el comando ABRIR CAJÓN (0x7B)"}),
    named_case::testName);

TEST_F(HasarTest, AReplyWithoutReadableStatusWordsIsAnError) {
    begin();
    for (const QList<QByteArray>& fields :
         {QList<QByteArray>{}, QList<QByteArray>{"0080"}, QList<QByteArray>{"0080", "06X0"}, QList<QByteArray>{"80", "0600"},
          QList<QByteArray>{" 080", "0600"}}) {
        answerWith(fields);
        EXPECT_EQ(errorOf([&] { driver->OpenDrawer(); }), error_number::kBadReply);
        EXPECT_EQ(errorOf([&] { driver->QueryStatus(); }), error_number::kBadReply);
        EXPECT_EQ(driver->Respuesta(0), QString());
    }
}

}  // namespace

namespace {

// The ticket families keep the state in the last digit; the slip families in the last two, so
// "0017" is a paid ticket on the one and a homologated document open on the other.
TEST(HasarAuxiliaryStatus, StateByFamilyFlagsInTheFirstDigit) {
    struct Row {
        QByteArray field;
        bool slip;
        int state, flags;
        bool training;
    };
    for (const Row& r : {Row{"0002", false, 2, 0, false}, Row{"0006", false, 6, 0, false}, Row{"C007", false, 7, 0xC, true},
                         Row{"2003", false, 3, 2, false}, Row{"5", false, 5, 0, false}, Row{"8001", false, 1, 8, true},
                         Row{"A003", false, 3, 0xA, true}, Row{"4002", false, 2, 4, false}, Row{"0017", false, 7, 0, false},
                         Row{"0017", true, 23, 0, false}, Row{"0018", true, 24, 0, false}, Row{"000C", true, 12, 0, false},
                         Row{"8016", true, 22, 8, true}, Row{"0007", true, 7, 0, false}, Row{"17", true, 23, 0, false}}) {
        const auto aux = readAuxiliary(r.field, r.slip);
        ASSERT_TRUE(aux) << r.field.constData();
        EXPECT_EQ(aux->state, r.state) << r.field.constData();
        EXPECT_EQ(aux->flags, r.flags) << r.field.constData();
        EXPECT_EQ(trainingMode(*aux), r.training) << r.field.constData();
    }
    for (const QByteArray& bad : {QByteArray(), QByteArray("000A"), QByteArray("00G1"), QByteArray("00006")})
        EXPECT_FALSE(readAuxiliary(bad, false)) << bad.constData();
    for (const QByteArray& bad : {QByteArray("0019"), QByteArray("00FF"), QByteArray("0G12")})
        EXPECT_FALSE(readAuxiliary(bad, true)) << bad.constData();
}

}  // namespace
