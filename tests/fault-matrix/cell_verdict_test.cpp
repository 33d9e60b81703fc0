#include "cell_verdict.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using M = MessageClass;

struct Case {
    const char* name;
    CellFacts facts;
    bool duplicate, silentLoss, wrongMessage;
};

// expected, first message, issued when shown, last message, issued at the end.
const Case kCases[] = {
    {"CleanRun", {1, M::None, 1, M::None, 1}, false, false, false},
    {"IssuedToldIssued", {1, M::Issued, 1, M::Issued, 1}, false, false, false},
    {"NotIssuedToldIssued", {1, M::Issued, 0, M::Issued, 0}, false, true, true},
    {"IssuedToldNotIssuedThenRepeated", {1, M::NotIssued, 1, M::None, 2}, true, false, true},
    {"PlainErrorAfterIssuingThenRepeated", {1, M::OtherError, 1, M::None, 2}, true, false, true},
    {"PlainErrorBeforeIssuingThenRepeated", {1, M::OtherError, 0, M::None, 1}, false, false, false},
    {"UnknownThenCheckedAndLeft", {1, M::Unknown, 1, M::Unknown, 1}, false, false, false},
    {"SuccessWithNothingIssued", {1, M::None, 0, M::None, 0}, false, true, false},
    {"RepeatFailsAgainSoTheTechnicianKnows", {1, M::OtherError, 0, M::OtherError, 0}, false, false, false},
    {"SecondDocumentOfTwoNotIssued", {2, M::NotIssued, 1, M::None, 2}, false, false, false},
};

class CellVerdicts : public ::testing::TestWithParam<Case> {};

TEST_P(CellVerdicts, CountDuplicatesLossesAndWrongMessages) {
    const Case& c = GetParam();
    const Verdict v = judge(c.facts);
    EXPECT_EQ(v.duplicate, c.duplicate);
    EXPECT_EQ(v.silentLoss, c.silentLoss);
    EXPECT_EQ(v.wrongMessage, c.wrongMessage);
}

INSTANTIATE_TEST_SUITE_P(Matrix, CellVerdicts, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MessageClasses, TheLongestPhraseDecidesWhateverTheCase) {
    EXPECT_EQ(classify(QString()), M::None);
    EXPECT_EQ(classify(QStringLiteral("Se emitió FACTURA A Nº 0001-00000001")), M::Issued);
    EXPECT_EQ(classify(QStringLiteral("No se emitió FACTURA A (x). Puede repetirlo")), M::NotIssued);
    EXPECT_EQ(classify(QStringLiteral("No se sabe si se emitió el CIERRE Z")), M::Unknown);
    EXPECT_EQ(classify(QStringLiteral("El impresor fiscal no responde en COM1")), M::OtherError);
}

}  // namespace
