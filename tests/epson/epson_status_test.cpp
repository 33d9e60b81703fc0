#include "drivers/epson/epson_status.h"
#include "drivers/error_numbers.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

struct ReadCase {
    const char* name;
    QList<QByteArray> fields;
    std::optional<EpsonStatus> expected;
};

class ReadStatus : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadStatus, TakesTwoFourDigitHexWordsOrNothing) {
    EXPECT_EQ(readStatus(GetParam().fields), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Words, ReadStatus,
    ::testing::Values(ReadCase{"Idle", {"0080", "0600", "00000123"}, EpsonStatus{0x0080, 0x0600}},
                      ReadCase{"LowerCase", {"c0ff", "8a0b"}, EpsonStatus{0xC0FF, 0x8A0B}},
                      ReadCase{"StatusOnly", {"0000", "0000"}, EpsonStatus{0, 0}},
                      ReadCase{"NoFields", {}, std::nullopt},
                      ReadCase{"OneField", {"0080"}, std::nullopt},
                      ReadCase{"ShortWord", {"080", "0600"}, std::nullopt},
                      ReadCase{"LongWord", {"00080", "0600"}, std::nullopt},
                      ReadCase{"NotHex", {"0080", "06G0"}, std::nullopt},
                      ReadCase{"SignedNumber", {"+080", "0600"}, std::nullopt},
                      ReadCase{"Blank", {"    ", "0600"}, std::nullopt}),
    named_case::testName);

struct RuleCase {
    const char* name;
    EpsonStatus status;
    bool failure;
    bool refusesStatus;
    bool cancelFoundNothing;
};

class StatusRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(StatusRules, ClassifyTheWords) {
    const RuleCase& c = GetParam();
    EXPECT_EQ(isFailure(c.status), c.failure);
    EXPECT_EQ(refusesStatusRequest(c.status), c.refusesStatus);
    EXPECT_EQ(cancelFoundNothing(c.status), c.cancelFoundNothing);
}

constexpr quint16 kIdle = 0x0600;  // certified and fiscalized

INSTANTIATE_TEST_SUITE_P(
    Bits, StatusRules,
    ::testing::Values(
        RuleCase{"Idle", {0x0080, kIdle}, false, false, false},
        RuleCase{"InformationalPrinterBits", {0x3FB3 & ~0x004C, kIdle}, false, false, false},
        RuleCase{"MechanismError", {0x0004, kIdle}, true, false, false},
        RuleCase{"Offline", {0x0008, kIdle}, true, false, false},
        RuleCase{"BufferFull", {0x0040, kIdle}, true, false, false},
        RuleCase{"OutOfPaper", {0x4000, kIdle}, true, false, false},
        RuleCase{"PrinterSummaryAloneIsNotAFailure", {0x8000, kIdle}, false, false, false},
        RuleCase{"FiscalMemoryFailed", {0, kIdle | 0x0001}, true, true, false},
        RuleCase{"WorkingMemoryFailed", {0, kIdle | 0x0002}, true, true, false},
        RuleCase{"BatteryLowIsACondition", {0, kIdle | 0x0004}, false, false, false},
        RuleCase{"UnknownCommand", {0, kIdle | 0x0008}, true, true, false},
        RuleCase{"InvalidField", {0, kIdle | 0x0010}, true, true, false},
        RuleCase{"InvalidStateNothingOpen", {0, kIdle | 0x0020}, true, true, true},
        RuleCase{"InvalidStateTicketOpen", {0, kIdle | 0x0020 | 0x1000 | 0x2000}, true, true, false},
        RuleCase{"InvalidStateNonFiscalOpen", {0, kIdle | 0x0020 | 0x2000}, true, true, true},
        RuleCase{"Overflow", {0, kIdle | 0x0040}, true, false, false},
        RuleCase{"MemoryFullIsACondition", {0, kIdle | 0x0080}, false, false, false},
        RuleCase{"AlmostFullIsAWarning", {0, kIdle | 0x0100}, false, false, false},
        RuleCase{"ZRequiredIsACondition", {0, kIdle | 0x0800}, false, false, false},
        RuleCase{"ZRequiredAndInvalidState", {0, kIdle | 0x0820}, true, true, true},
        RuleCase{"CancelWithPaperOutIsAFailure", {0x4000, kIdle | 0x0020}, true, true, false},
        RuleCase{"CancelWithBadFieldIsAFailure", {0, kIdle | 0x0030}, true, true, false},
        RuleCase{"DocumentOpenIsNotAFailure", {0, kIdle | 0x3000}, false, false, false},
        RuleCase{"FiscalSummaryAloneIsNotAFailure", {0, kIdle | 0x8000}, false, false, false}),
    named_case::testName);

// A lasting condition fails no command, except an opening of a fiscal document after which none
// is open: then the condition refused it, and the message says what cures it.
struct ConditionCase {
    const char* name;
    quint8 command;
    EpsonStatus status;
    const char* error;  // nullptr: no error
};

class StatusConditions : public ::testing::TestWithParam<ConditionCase> {};

TEST_P(StatusConditions, RefuseOnlyTheOpeningTheyBlock) {
    const ConditionCase& c = GetParam();
    const std::optional<DriverError> e = statusError(c.command, c.status);
    ASSERT_EQ(e.has_value(), c.error != nullptr);
    if (e) {
        EXPECT_EQ(e->description(), QString::fromUtf8(c.error));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, StatusConditions,
    ::testing::Values(
        ConditionCase{"ZDueRefusesATicket", 0x40, {0x0080, kIdle | 0x8800},
                      "El impresor rechazó el comando 0x40: es necesario hacer un cierre Z: tómelo con IMPRIMIR Z y "
                      "repita la operación"},
        ConditionCase{"ZDueRefusesATicketInvoice", 0x60, {0x0080, kIdle | 0x0800},
                      "El impresor rechazó el comando 0x60: es necesario hacer un cierre Z: tómelo con IMPRIMIR Z y "
                      "repita la operación"},
        ConditionCase{"ZDueWithTheTicketOpenedAfterAll", 0x40, {0x0080, kIdle | 0x3800}, nullptr},
        ConditionCase{"ZDueLetsTheZRun", 0x39, {0x0080, kIdle | 0x0800}, nullptr},
        ConditionCase{"ZDueLetsANonFiscalDocumentOpen", 0x48, {0x0080, kIdle | 0x0800}, nullptr},
        ConditionCase{"ZDueNamedInARefusal", 0x42, {0x0080, kIdle | 0x0820},
                      "El impresor rechazó el comando 0x42: comando no válido en el estado fiscal actual; es "
                      "necesario hacer un cierre Z: tómelo con IMPRIMIR Z y repita la operación"},
        ConditionCase{"BatteryLowOpensATicket", 0x40, {0x0080, kIdle | 0x3004}, nullptr},
        ConditionCase{"BatteryLowLetsTheXRun", 0x39, {0x0080, kIdle | 0x0004}, nullptr},
        ConditionCase{"PaperLowLetsTheXRun", 0x39, {0x0030, kIdle}, nullptr}),
    named_case::testName);

TEST(StatusConditionNotices, TellEveryConditionAndNothingElse) {
    EXPECT_EQ(epsonConditions({"0080", "0600"}), QStringList());
    EXPECT_EQ(epsonConditions({"0020", "0E04"}),
              (QStringList{QStringLiteral("poco papel"), QStringLiteral("falta el cierre Z: tómelo con IMPRIMIR Z"),
                           QStringLiteral("batería baja del reloj y la memoria de trabajo")}));
    EXPECT_EQ(epsonConditions({"0080", "06G4"}), QStringList());
}

TEST(StatusFailure, NamesTheCommandAndEveryReason) {
    const DriverError e = failureError(0x40, {0x4000, kIdle | 0x0020});
    EXPECT_EQ(e.number(), error_number::kPrinterRefused);
    EXPECT_EQ(e.description(),
              QStringLiteral("El impresor rechazó el comando 0x40: comando no válido en el estado fiscal actual; "
                             "falta papel"));
}

TEST(StatusFailure, APrinterProblemAloneIsAFault) {
    const DriverError e = failureError(0x4B, {0x0004, kIdle});
    EXPECT_EQ(e.number(), error_number::kPrinterFault);
    EXPECT_EQ(e.description(), QStringLiteral("El impresor rechazó el comando 0x4B: error en el mecanismo impresor"));
}

}  // namespace
