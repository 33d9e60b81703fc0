#include "drivers/error_numbers.h"
#include "hasar/hasar_fixture.h"
#include "drivers/hasar/hasar_status.h"

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
        fiscal(3, "comando desconocido"), fiscal(4, "dato no válido en un campo"),
        fiscal(5, "comando no válido en el estado fiscal actual"), fiscal(6, "desborde de totales"),
        fiscal(7, "memoria fiscal llena, bloqueada o dada de baja"), fiscal(11, "fecha no válida"),
        printer(2, "falla del mecanismo de impresión"), printer(3, "impresora fuera de línea"),
        printer(6, "búfer de impresión lleno"), printer(8, "tapa abierta"),
        BitCase{"FiscalAndPrinterTogether", "0100", "0028", error_number::kPrinterRefused,
                "El impresor rechazó el comando 0x39: comando desconocido, comando no válido en el estado fiscal actual, "
                "tapa abierta"},
        harmless("Idle", "0080", "0600"), harmless("LowBatteryWarning", "0000", "0004"),
        harmless("MemoryAlmostFull", "0000", "0100"), harmless("DocumentOpen", "0000", "3000"),
        harmless("SlipOrStatprn", "0000", "4000"), harmless("FiscalSummaryAlone", "0000", "8000"),
        harmless("PaperLow", "0030", "0000"), harmless("DrawerAndSummary", "C000", "0000"),
        harmless("UnusedPrinterBits", "0003", "0000")),
    [](const auto& info) { return info.param.name; });

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

TEST(HasarAuxiliaryStatus, StateInTheLastDigitFlagsInTheFirst) {
    struct Row {
        QByteArray field;
        int state, flags;
    };
    for (const Row& r : {Row{"0002", 2, 0}, Row{"0006", 6, 0}, Row{"C007", 7, 0xC}, Row{"2003", 3, 2}, Row{"5", 5, 0}}) {
        const auto aux = readAuxiliary(r.field);
        ASSERT_TRUE(aux) << r.field.constData();
        EXPECT_EQ(aux->state, r.state) << r.field.constData();
        EXPECT_EQ(aux->flags, r.flags) << r.field.constData();
    }
    for (const QByteArray& bad : {QByteArray(), QByteArray("000A"), QByteArray("00G1"), QByteArray("00006")})
        EXPECT_FALSE(readAuxiliary(bad)) << bad.constData();
}

}  // namespace
