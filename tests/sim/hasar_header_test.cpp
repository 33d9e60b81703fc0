// The owner's lines on the virtual Hasar: header and trailer (0x5D/0x5E), fantasy name
// (0x5F/0x92), what each family takes and refuses, and the configuration it answers (0x66).

#include "hasar_harness.h"

#include <sim/hasar_status.h>

#include "support/named_case.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using named_case::PrintTo;
using namespace sim::hasar;

const QByteArray kDel(1, 0x7F);
const QByteArray kWide(1, '\xF4');

struct LineCase {
    const char* name;
    int model;
    quint8 set;  // 0x5D header/trailer or 0x5F fantasy name; the read is 0x5E or 0x92
    QByteArray line;
    QByteArray text;
    quint16 refusal;                  // 0 when stored
    std::optional<QByteArray> reads;  // what the line reads afterwards; none when the read is refused too
    QByteArray before = {};           // stored on the line first
    bool documentOpen = false;        // sent while a non-fiscal document is open
};

class HasarOwnerLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(HasarOwnerLines, AreStoredReadBackAndRefusedAsTheManualSays) {
    const LineCase& c = GetParam();
    HasarHarness h({}, c.model);
    const quint8 get = c.set == 0x5D ? 0x5E : 0x92;
    if (!c.before.isEmpty()) {
        ASSERT_TRUE(h.send(c.set, {c.line, c.before}).accepted());
    }
    if (c.documentOpen) {
        ASSERT_TRUE(h.send(0x48).accepted());
    }
    const auto reply = h.send(c.set, {c.line, c.text});
    if (c.refusal) {
        EXPECT_TRUE(reply.refused(c.refusal));
        EXPECT_EQ(reply.frame->fields.size(), 2);
    } else {
        EXPECT_TRUE(reply.accepted());
    }
    if (c.documentOpen) {
        ASSERT_TRUE(h.send(0x4A).accepted());
    }
    const auto read = h.send(get, {c.line});
    if (c.reads) {
        ASSERT_TRUE(read.accepted());
        EXPECT_EQ(read.field(3), *c.reads);
    } else {
        EXPECT_TRUE(read.refused(kInvalidField));
    }
}

const QByteArray k40(40, 'h');
const QByteArray k120(120, 's');

INSTANTIATE_TEST_SUITE_P(
    , HasarOwnerLines,
    ::testing::Values(
        LineCase{"HeaderLineOne", 2, 0x5D, "1", "Av. Corrientes 1234", 0, "Av. Corrientes 1234"},
        LineCase{"TrailerLineTwentyWithZeros", 2, 0x5D, "00020", "Gracias", 0, "Gracias"},
        LineCase{"FortyCharacters", 1, 0x5D, "10", k40, 0, k40},
        LineCase{"FortyOneRefused", 2, 0x5D, "11", k40 + "x", kInvalidField, ""},
        LineCase{"SlipTakesItsWidth", 8, 0x5D, "3", k120, 0, k120},
        LineCase{"SlipRefusesMore", 7, 0x5D, "3", k120 + "x", kInvalidField, ""},
        LineCase{"DoubleWidthHalves", 2, 0x5D, "2", kWide + QByteArray(20, 'w'), 0, kWide + QByteArray(20, 'w')},
        LineCase{"DoubleWidthTooLong", 9, 0x5D, "2", kWide + QByteArray(21, 'w'), kInvalidField, ""},
        LineCase{"SlipDoubleWidth", 8, 0x5D, "12", kWide + QByteArray(60, 'w'), 0, kWide + QByteArray(60, 'w')},
        LineCase{"SlipDoubleWidthTooLong", 8, 0x5D, "12", kWide + QByteArray(61, 'w'), kInvalidField, ""},
        LineCase{"WideByteOnlyAtTheStart", 2, 0x5D, "2", "a" + kWide, kInvalidField, ""},
        LineCase{"CodePageLettersReadAsSent", 6, 0x5D, "4", "Pe\xA4" "a \x7F Hnos", 0, "Pe\xA4" "a \x7F Hnos"},
        LineCase{"DelErases", 2, 0x5D, "15", kDel, 0, "", "Vuelva pronto"},
        LineCase{"LineZero", 2, 0x5D, "0", "x", kInvalidField, std::nullopt},
        LineCase{"LineTwentyOne", 9, 0x5D, "21", "x", kInvalidField, std::nullopt},
        LineCase{"LineNotANumber", 2, 0x5D, "1a", "x", kInvalidField, std::nullopt},
        LineCase{"EmptyTextLeavesTheLineUnset", 2, 0x5D, "1", "", 0, "", "Viejo"},
        LineCase{"RefusedWithADocumentOpen", 2, 0x5D, "1", "Nuevo", kInvalidInState, "Viejo", "Viejo", true},
        LineCase{"FantasyName", 8, 0x5F, "2", "LA ESQUINA", 0, "LA ESQUINA"},
        LineCase{"FantasyDoubleWidth", 9, 0x5F, "1", kWide + QByteArray(20, 'f'), 0, kWide + QByteArray(20, 'f')},
        LineCase{"FantasyFortyEvenOnASlip", 8, 0x5F, "1", k40 + "x", kInvalidField, ""},
        LineCase{"FantasyLineThree", 7, 0x5F, "3", "x", kInvalidField, std::nullopt}),
    named_case::testName);

TEST(HasarConfiguration, AnswersTheStoredSettingsInTheManualsFields) {
    HasarHarness h;
    const auto factory = h.send(0x66);
    ASSERT_TRUE(factory.accepted());
    EXPECT_EQ(factory.frame->fields.mid(2),
              (QList<QByteArray>{"000001000.00", "000005000.00", "10.50", "0", "PP", "F"}));

    h.memory().configuration = {sim::Amount{123'456'789'0000}, sim::Amount{250'0000}, sim::Amount{5'0000}, false, true, 'N'};
    EXPECT_EQ(h.send(0x66).frame->fields.mid(2),
              (QList<QByteArray>{"123456789.00", "000000250.00", "05.00", "0", "NP", "N"}));
}

}  // namespace
