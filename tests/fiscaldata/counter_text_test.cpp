#include "fiscaldata/counter_text.h"
#include "support/named_case.h"

#include "app/conversion_error.h"

#include <gtest/gtest.h>

namespace {

struct CounterCase {
    const char* name;
    QString field;
    int width;
    const char* shown;
};

// A failing row names itself instead of dumping its bytes.
void PrintTo(const CounterCase& c, std::ostream* os) { *os << c.name; }

class CounterTexts : public ::testing::TestWithParam<CounterCase> {};

TEST_P(CounterTexts, ShowTheLeadingNumberRoundedAndPadded) {
    const CounterCase& c = GetParam();
    EXPECT_EQ(counterText(c.field, c.width), QString::fromLatin1(c.shown));
}

const QString k18Digits = QStringLiteral("123456789012345678");

INSTANTIATE_TEST_SUITE_P(
    Fields, CounterTexts,
    ::testing::Values(CounterCase{"Width8", "123", 8, "00000123"}, CounterCase{"Width4", "123", 4, "0123"},
                      CounterCase{"SevenAtWidth4", "7", 4, "0007"}, CounterCase{"Empty", "", 8, "00000000"},
                      CounterCase{"NoDigits", "abc", 4, "0000"}, CounterCase{"NineDigitsKeepAll", "123456789", 8, "123456789"},
                      CounterCase{"LeadingBlanksTrailingLetters", " 12abc", 8, "00000012"},
                      CounterCase{"BlanksInsideIgnored", "1 2\t3", 4, "0123"},
                      CounterCase{"LeadingZerosDropped", "0000000000000000000000000000000042", 4, "0042"},
                      CounterCase{"HalfGoesToEvenDown", "2.5", 4, "0002"}, CounterCase{"HalfGoesToEvenUp", "3.5", 4, "0004"},
                      CounterCase{"AboveHalfUp", "2.500001", 4, "0003"}, CounterCase{"BelowHalfDown", "2.49999", 4, "0002"},
                      CounterCase{"HalfOfZeroIsZero", ".5", 4, "0000"}, CounterCase{"CarryAddsADigit", "99999999.5", 8, "100000000"},
                      CounterCase{"PlusSign", "+15", 4, "0015"}, CounterCase{"Negative", "-7", 4, "-0007"},
                      CounterCase{"NegativeRoundedToZeroHasNoSign", "-0.4", 4, "0000"},
                      CounterCase{"NegativeRoundedAwayFromZero", "-0.6", 4, "-0001"},
                      CounterCase{"SecondPointEndsTheNumber", "1.5.9", 4, "0002"},
                      CounterCase{"SecondSignEndsTheNumber", "--5", 4, "0000"},
                      CounterCase{"SignAfterDigitsEndsTheNumber", "12-3", 4, "0012"},
                      CounterCase{"NoExponent", "1e5", 4, "0001"},
                      CounterCase{"EighteenDigitsExact", k18Digits, 8, "123456789012345678"},
                      CounterCase{"LongFractionIsBounded", QStringLiteral("4.") + QString(1000000, QLatin1Char('9')), 4, "0005"}),
    named_case::testName);

struct AbsurdCase {
    const char* name;
    QString field;
};

void PrintTo(const AbsurdCase& c, std::ostream* os) { *os << c.name; }

class AbsurdCounters : public ::testing::TestWithParam<AbsurdCase> {};

TEST_P(AbsurdCounters, AreAnOverflowErrorNotAWrongNumber) {
    try {
        counterText(GetParam().field, 8);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.number(), ConversionError::kOverflow);
        EXPECT_EQ(e.description(), QStringLiteral("Overflow"));
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, AbsurdCounters,
                         ::testing::Values(AbsurdCase{"NineteenDigits", QStringLiteral("1234567890123456789")},
                                           AbsurdCase{"RoundedIntoNineteenDigits", QStringLiteral("999999999999999999.5")},
                                           AbsurdCase{"FourHundredDigits", QString(400, QLatin1Char('7'))},
                                           AbsurdCase{"NegativeHuge", QStringLiteral("-") + QString(400, QLatin1Char('1'))},
                                           AbsurdCase{"TenMillionDigits", QString(10000000, QLatin1Char('3'))}),
                         named_case::testName);

}  // namespace
