#include <sim/epson_fields.h>
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

struct ImpliedCase {
    const char* name;
    const char* field;
    int decimals;
    int maxDigits;
    std::optional<qint64> units;  // value * 10000
};

class ImpliedAmounts : public ::testing::TestWithParam<ImpliedCase> {};

TEST_P(ImpliedAmounts, ReadDigitsWithTheirImpliedDecimalsOrAnExplicitPoint) {
    const ImpliedCase& c = GetParam();
    const auto a = sim::epson::impliedAmount(c.field, c.decimals, c.maxDigits);
    ASSERT_EQ(a.has_value(), c.units.has_value());
    if (a) {
        EXPECT_EQ(a->units, *c.units);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ImpliedAmounts,
    ::testing::Values(ImpliedCase{"QuantityOne", "1000", 3, 8, 10000},
                      ImpliedCase{"QuantityPadded", "00001500", 3, 8, 15000},
                      ImpliedCase{"OneCent", "1", 2, 9, 100},
                      ImpliedCase{"RateTwentyOne", "2100", 2, 4, 210000},
                      ImpliedCase{"ExplicitPoint", "0000001.0000", 2, 9, 10000},
                      ImpliedCase{"LargestPrice", "999999999", 2, 9, 99999999900},
                      ImpliedCase{"TooManyDigits", "1234567890", 2, 9, std::nullopt},
                      ImpliedCase{"Empty", "", 2, 9, std::nullopt},
                      ImpliedCase{"Negative", "-100", 2, 9, std::nullopt},
                      ImpliedCase{"NegativeWithPoint", "-1.00", 2, 9, std::nullopt},
                      ImpliedCase{"Letters", "1O0", 2, 9, std::nullopt},
                      ImpliedCase{"Blank", " 100", 2, 9, std::nullopt}),
    named_case::testName);

TEST(EpsonReplyFields, AmountsGoOutWithTwoImpliedDecimalsZeroPadded) {
    EXPECT_EQ(sim::epson::impliedField(sim::Amount{15000}, 12), "000000000150");
    EXPECT_EQ(sim::epson::impliedField(sim::Amount{-9900}, 12), "-00000000099");
    EXPECT_EQ(sim::epson::counterField(42, 5), "00042");
}

TEST(EpsonRequestFields, ALoneDelIsNoText) {
    const QList<QByteArray> f{"x", QByteArray(1, 0x7F), "\x7F\x7F"};
    EXPECT_EQ(sim::epson::text(f, 1), QStringLiteral("x"));
    EXPECT_EQ(sim::epson::text(f, 2), QString());
    EXPECT_EQ(sim::epson::text(f, 3).size(), 2);
    EXPECT_EQ(sim::epson::text(f, 4), QString());
}

}  // namespace
