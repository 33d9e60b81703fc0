#include "app/field_texts.h"
#include "support/named_case.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct TaxIdCase {
    const char* name;
    const char* answer;
    const char* shown;
};

// A failing row names itself instead of dumping its bytes.
void PrintTo(const TaxIdCase& c, std::ostream* os) { *os << c.name; }

class EpsonTaxIds : public ::testing::TestWithParam<TaxIdCase> {};

TEST_P(EpsonTaxIds, PutADashAfterTheSecondAndTheTenthCharacter) {
    const QString answer = QString::fromLatin1(GetParam().answer);
    int reads = 0;
    EXPECT_EQ(epsonTaxId([&] {
                  ++reads;
                  return answer;
              }),
              QString::fromLatin1(GetParam().shown));
    EXPECT_EQ(reads, 3);
}

INSTANTIATE_TEST_SUITE_P(Answers, EpsonTaxIds,
                         ::testing::Values(TaxIdCase{"ElevenDigits", "30123456789", "30-12345678-9"},
                                           TaxIdCase{"TwelfthDigitDropped", "301234567890", "30-12345678-9"},
                                           TaxIdCase{"EmptyGivesTwoDashes", "", "--"},
                                           TaxIdCase{"OneCharacter", "3", "3--"},
                                           TaxIdCase{"StopsInsideTheNumber", "3012345", "30-12345-"},
                                           TaxIdCase{"TenCharacters", "3012345678", "30-12345678-"},
                                           TaxIdCase{"BlanksAreKept", " 30123456789", " 3-01234567-8"}),
                         named_case::testName);

TEST(EpsonTaxId, EachPieceComesFromItsOwnRead) {
    const QStringList answers{QStringLiteral("AAxxxxxxxxxxx"), QStringLiteral("xxBBBBBBBBxxx"), QStringLiteral("xxxxxxxxxxCxx")};
    int read = 0;
    EXPECT_EQ(epsonTaxId([&] { return answers.at(read++); }), QStringLiteral("AA-BBBBBBBB-C"));
}

TEST(TrimBlanks, CutsOnlyBlanksAtBothEnds) {
    EXPECT_EQ(trimBlanks(QStringLiteral("  Kiosco  El Sol  ")), QStringLiteral("Kiosco  El Sol"));
    EXPECT_EQ(trimBlanks(QStringLiteral("   ")), QString());
    EXPECT_EQ(trimBlanks(QStringLiteral("\t12 ")), QStringLiteral("\t12"));
}

}  // namespace
