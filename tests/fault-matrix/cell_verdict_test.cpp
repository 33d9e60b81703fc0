#include "cell_verdict.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using M = MessageClass;

struct Case {
    const char* name;
    CellFacts facts;
    bool duplicate, silentLoss, wrongMessage;
};

// expected, first message, issued when shown, last message, issued at the end, told not reached.
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
    {"OpenPaidFinishedWithCancel", {1, M::OpenPaid, 0, M::None, 1}, false, false, false},
    {"OpenPaidToldForAnIssuedDocument", {1, M::OpenPaid, 1, M::None, 1}, false, false, true},
    // A click of two whose first reply was lost: the second, told not reached, is no loss.
    {"FirstOfTwoIssuedAndTheSecondToldNotReached", {2, M::Issued, 1, M::Issued, 1, 1}, false, false, false},
    {"FirstOfTwoToldIssuedButNotIssued", {2, M::Issued, 0, M::Issued, 0, 1}, false, true, true},
    {"SecondOfTwoLostWithoutWords", {2, M::Issued, 1, M::Issued, 1}, false, true, true},
};

class CellVerdicts : public ::testing::TestWithParam<Case> {};

TEST_P(CellVerdicts, CountDuplicatesLossesAndWrongMessages) {
    const Case& c = GetParam();
    const Verdict v = judge(c.facts);
    EXPECT_EQ(v.duplicate, c.duplicate);
    EXPECT_EQ(v.silentLoss, c.silentLoss);
    EXPECT_EQ(v.wrongMessage, c.wrongMessage);
}

INSTANTIATE_TEST_SUITE_P(Matrix, CellVerdicts, ::testing::ValuesIn(kCases), named_case::testName);

TEST(MessageClasses, TheErrorNumberDecidesNotTheWording) {
    const auto shown = [](int number, const char* text) {
        return QStringLiteral("El sistema detectó el error Nº %1 ''%2''").arg(number).arg(QString::fromUtf8(text));
    };
    EXPECT_EQ(classify(QString()), M::None);
    EXPECT_EQ(classify(shown(8018, "Se emitió FACTURA A Nº 0001-00000001")), M::Issued);
    EXPECT_EQ(classify(shown(8019, "No se emitió FACTURA A")), M::NotIssued);
    EXPECT_EQ(classify(shown(8022, "No se emitió FACTURA A: el impresor lo canceló")), M::NotIssued);
    EXPECT_EQ(classify(shown(8020, "No se sabe si se emitió el CIERRE Z")), M::Unknown);
    EXPECT_EQ(classify(shown(8021, "FACTURA A sigue abierto con su pago")), M::OpenPaid);
    // A link error whose text happens to say "se emitió" is still a link error.
    EXPECT_EQ(classify(shown(8007, "El impresor fiscal no responde; lo que se emitió queda")), M::OtherError);
}

TEST(MessageClasses, TheDocumentsNotReachedAreCountedFromTheWords) {
    EXPECT_EQ(unreachedDocuments(QStringLiteral("Se emitió FACTURA A")), 0);
    EXPECT_EQ(unreachedDocuments(QStringLiteral("Se emitió TIQUE. No llegó a emitir lo que seguía: FACTURA A.")), 1);
    EXPECT_EQ(unreachedDocuments(QStringLiteral("No llegó a emitir lo que seguía: 5 comprobantes (FACTURA A: 3, TIQUE: 2).")), 5);
}

}  // namespace
