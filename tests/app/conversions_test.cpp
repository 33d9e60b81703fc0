#include "app/conversions.h"
#include "app/conversion_error.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

// A readable test name for a text: letters and digits kept, anything else spelled out.
std::string nameOf(const char* text) {
    std::string name;
    for (const char* c = text; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
        else if (*c == '.') name += "_point_";
        else if (*c == ',') name += "_comma_";
        else if (*c == '-') name += "minus_";
        else if (*c == '+') name += "plus_";
        else name += "_";
    }
    return name.empty() ? "empty" : name;
}

struct Leading {
    const char* text;
    double value;
};

class LeadingNumber : public ::testing::TestWithParam<Leading> {};

TEST_P(LeadingNumber, ReadsTheNumberTheTextBeginsWith) {
    EXPECT_DOUBLE_EQ(conv::leadingNumber(QString::fromUtf8(GetParam().text)), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumber,
                         ::testing::Values(Leading{"3", 3}, Leading{"", 0}, Leading{"abc", 0}, Leading{" 1", 1},
                                           Leading{"2.7", 2.7}, Leading{"2,7", 2}, Leading{"2.9", 2.9},
                                           Leading{" \t\n12", 12}, Leading{"1 2", 12}, Leading{"12abc", 12},
                                           Leading{"-3", -3}, Leading{"1.2.3", 1.2}, Leading{".5", 0.5},
                                           Leading{"0012", 12}, Leading{"+4", 4}, Leading{"- 4", -4}),
                         [](const auto& info) { return nameOf(info.param.text) + "_" + std::to_string(info.index); });

TEST(ForEachCount, RunsTheWholePartOfTheCount) {
    auto runs = [](double count) {
        int n = 0;
        conv::forEachCount(count, [&](qint64 i) { EXPECT_EQ(i, ++n); });
        return n;
    };
    EXPECT_EQ(runs(0), 0);
    EXPECT_EQ(runs(-2), 0);
    EXPECT_EQ(runs(0.9), 0);
    EXPECT_EQ(runs(1), 1);
    EXPECT_EQ(runs(2.7), 2);
    EXPECT_EQ(runs(3), 3);
}

TEST(ForEachCount, RefusesACountTooLargeToLoopOver) {
    // A 400-digit text reads as infinity; no count beyond a 32-bit counter may start a loop.
    for (const double count : {conv::leadingNumber(QString(400, QLatin1Char('9'))), 1e300, 2147483648.0}) {
        int runs = 0;
        try {
            conv::forEachCount(count, [&](qint64) { ++runs; });
            ADD_FAILURE() << count << " ran " << runs << " times";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.number(), 6) << count;
        }
        EXPECT_EQ(runs, 0) << count;
    }
}

struct Strict {
    const char* text;
    int value;     // when error is 0
    int error;     // 0, 6 or 13
};

class StrictInt32 : public ::testing::TestWithParam<Strict> {};

TEST_P(StrictInt32, ConvertsOrRaisesTheNumberedError) {
    const Strict& c = GetParam();
    if (c.error == 0) {
        EXPECT_EQ(conv::toInt32(QString::fromUtf8(c.text)), c.value) << c.text;
        return;
    }
    try {
        conv::toInt32(QString::fromUtf8(c.text));
        FAIL() << "no error for " << c.text;
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.number(), c.error) << c.text;
        EXPECT_EQ(e.description(), c.error == 13 ? QStringLiteral("Type mismatch") : QStringLiteral("Overflow"));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, StrictInt32,
                         ::testing::Values(Strict{"0012", 12, 0}, Strict{" 7 ", 7, 0}, Strict{"-3", -3, 0},
                                           Strict{"2.5", 2, 0}, Strict{"3.5", 4, 0}, Strict{"2.51", 3, 0},
                                           Strict{"-2.5", -2, 0}, Strict{"2147483647", 2147483647, 0},
                                           Strict{"", 0, 13}, Strict{" ", 0, 13}, Strict{"A", 0, 13},
                                           Strict{"12abc", 0, 13}, Strict{"1 2", 0, 13}, Strict{"2147483648", 0, 6},
                                           Strict{"-2147483649", 0, 6}, Strict{"99999999999999999999", 0, 6}),
                         [](const auto& info) { return nameOf(info.param.text) + "_" + std::to_string(info.index); });

TEST(StrictInt16, RoundsHalvesToEvenAndRaisesOverflowOutsideItsRange) {
    EXPECT_EQ(conv::toInt16(0.5), 0);
    EXPECT_EQ(conv::toInt16(1.5), 2);
    EXPECT_EQ(conv::toInt16(32767), 32767);
    EXPECT_EQ(conv::toInt16(-32768), -32768);
    EXPECT_THROW(conv::toInt16(32767.5), ConversionError);  // rounds to 32768
    EXPECT_THROW(conv::toInt16(-32769), ConversionError);
}

TEST(StrictDouble, AcceptsOnlyAWholeNumberText) {
    EXPECT_DOUBLE_EQ(conv::toDouble(QStringLiteral("0")), 0);
    EXPECT_DOUBLE_EQ(conv::toDouble(QStringLiteral(" 1.25 ")), 1.25);
    EXPECT_THROW(conv::toDouble(QString()), ConversionError);
    EXPECT_THROW(conv::toDouble(QStringLiteral(".")), ConversionError);
    EXPECT_THROW(conv::toDouble(QStringLiteral("1,5")), ConversionError);
}

}  // namespace
