#include <sim/amount.h>
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char* name;
    const char* text;
    std::optional<qint64> units;
};

// Failures name the row, not its bytes.
void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class AmountParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(AmountParse, ReadsWhatThePrinterReads) {
    const auto a = sim::Amount::parse(GetParam().text);
    ASSERT_EQ(a.has_value(), GetParam().units.has_value());
    if (a) {
        EXPECT_EQ(a->units, *GetParam().units);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AmountParse,
    ::testing::Values(ParseCase{"OnePointZero", "1.0", 10000}, ParseCase{"OneCent", "0.01", 100},
                      ParseCase{"FourDecimals", "1.0000", 10000}, ParseCase{"RoundsTheFifthDecimal", "0.00005", 1},
                      ParseCase{"Negative", "-2.5", -25000}, ParseCase{"LeadingPoint", ".5", 5000},
                      ParseCase{"LeadingZerosDoNotCount", "000000000000001", 10000},
                      ParseCase{"ElevenDigits", "99999999999", 99999999999LL * 10000},
                      ParseCase{"TwelveDigits", "100000000000", std::nullopt}, ParseCase{"Empty", "", std::nullopt},
                      ParseCase{"Comma", "1,5", std::nullopt}, ParseCase{"Blank", " 1", std::nullopt},
                      ParseCase{"PointAlone", ".", std::nullopt}, ParseCase{"Letters", "1e3", std::nullopt},
                      ParseCase{"ElevenDecimals", "0.00000000001", std::nullopt}),
    named_case::testName);

TEST(Amount, MoneyRoundsHalfAwayFromZero) {
    EXPECT_EQ(sim::Amount{125}.money(), "0.01");
    EXPECT_EQ(sim::Amount{-150}.money(), "-0.02");
    EXPECT_EQ(sim::Amount{123456}.money(), "12.35");
}

TEST(Amount, TaxIncludedInThePriceIsTheRightShare) {
    const sim::Amount price{121 * sim::Amount::kScale};
    const sim::Amount rate{21 * sim::Amount::kScale};
    EXPECT_EQ(sim::Amount::percentOf(price, rate, true).money(), "21.00");
    EXPECT_EQ(sim::Amount::percentOf(price, rate, false).money(), "25.41");
}

}  // namespace
