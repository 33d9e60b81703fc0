#include "drivers/epson/epson_answer.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

struct AnswerCase {
    const char* name;
    char letter;
    QList<QByteArray> fields;
    QString answer0B, answer0E, answer10, answer11;
};

class AnswerProperties : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerProperties, ReadTheFieldsOfTheirLetter) {
    const AnswerCase& c = GetParam();
    const EpsonAnswer a(c.letter, c.fields);
    EXPECT_EQ(a.answer0B(), c.answer0B);
    EXPECT_EQ(a.answer0E(), c.answer0E);
    EXPECT_EQ(a.answer10(), c.answer10);
    EXPECT_EQ(a.answer11(), c.answer11);
}

// Status "N": last B, first-document date and time, last Z, audit data, printer id, audit text.
const QList<QByteArray> kNormal{"0080", "0600", "00000123", "240115", "093000", "00042",
                                "00001234", "00005678", "EPSONAR001", "AB"};
// Status "A": last Z, last B issued and printed, last A issued and printed, ...
const QList<QByteArray> kCounters{"0080", "0600", "00042", "00000123", "00000123", "00000077",
                                  "00000077", "00010", "00002", "00000012", "00000000", "00000000", "00000000"};
// Status "C": CUIT, point of sale, responsibility, IVA rate, maximum, business name.
const QList<QByteArray> kTaxpayer{"0080", "0600", "30123456789", "0004", "I", "2100", "000000100000",
                                  "Comercio de Pru\xE9" "ba S.A."};

INSTANTIATE_TEST_SUITE_P(
    Letters, AnswerProperties,
    ::testing::Values(
        AnswerCase{"Normal", 'N', kNormal, "EPSONAR001", "00042", "240115", "00000123"},
        AnswerCase{"Counters", 'A', kCounters, "00002", "00000077", "00000123", "00042"},
        // A byte outside ASCII reads in the PC character set.
        AnswerCase{"Taxpayer", 'C', kTaxpayer, QStringLiteral("Comercio de Pru\u0398ba S.A."), "2100", "0004", "30123456789"},
        AnswerCase{"OtherLetterReadsLikeNormal", 'P', kNormal, "EPSONAR001", "00042", "240115", "00000123"},
        AnswerCase{"ShortAnswerLeavesLaterFieldsEmpty", 'A', {"0080", "0600", "00042", "00000123"}, "", "", "00000123",
                   "00042"},
        AnswerCase{"NothingYet", '\0', {}, "", "", "", ""}),
    named_case::testName);

}  // namespace
