// What the Hasar ticket models do differently, and the character set every model prints.

#include "hasar_harness.h"

#include <sim/hasar_status.h>

#include <gtest/gtest.h>

namespace {

using namespace sim::hasar;

const QList<QByteArray> kItem{"Item", "1.0", "10.00", "21.00", "M", "0.0", "0", "T"};
const QList<QByteArray> kTenderCancel{" ", "0.00", "C", "0"};

// One ticket with an item on a printer of this model, ready to be paid or cancelled.
HasarHarness ticketOpenOn(int model) {
    HasarHarness h({}, model);
    EXPECT_TRUE(h.send(0x40, {"T", "T"}).accepted());
    EXPECT_TRUE(h.send(0x42, kItem).accepted());
    return h;
}

struct ModelCase {
    const char* name;
    int model;
    bool knowsCancel;
    int statusFields;     // data fields of a StatusRequest
    int grossIncomeField;  // of GetInitData, 0 when the model refuses it
};

class HasarModels : public ::testing::TestWithParam<ModelCase> {};

TEST_P(HasarModels, CancelCommandAndStatusFieldsFollowTheFamily) {
    const ModelCase& c = GetParam();
    HasarHarness h = ticketOpenOn(c.model);
    const auto status = h.send(0x2A);
    ASSERT_TRUE(status.accepted());
    EXPECT_EQ(status.frame->fields.size(), 2 + c.statusFields);
    EXPECT_EQ(status.field(4), "0003");

    const auto init = h.send(0x73);
    EXPECT_EQ(init.refused(kUnknownCommand), c.grossIncomeField == 0);
    if (c.grossIncomeField) {
        EXPECT_EQ(init.field(c.grossIncomeField), h.memory().identity.grossIncome.toLatin1());
    }

    const auto cancel = h.send(0x98);
    EXPECT_EQ(cancel.accepted(), c.knowsCancel);
    EXPECT_EQ(cancel.refused(kUnknownCommand), !c.knowsCancel);
    if (!c.knowsCancel) {
        EXPECT_TRUE(h.send(0x44, kTenderCancel).accepted());
    }
    EXPECT_FALSE(h.memory().open.has_value());
    EXPECT_EQ(h.memory().day.cancelled, 1);
    EXPECT_TRUE(h.newPaper().last().startsWith(QStringLiteral("== CANCELADO TIQUE")));
}

INSTANTIATE_TEST_SUITE_P(, HasarModels,
                         ::testing::Values(ModelCase{"Hasar614", 1, false, 3, 0}, ModelCase{"Hasar615", 2, false, 3, 8},
                                           ModelCase{"HasarPR4", 3, false, 3, 8}, ModelCase{"Hasar262", 6, false, 3, 8},
                                           ModelCase{"HasarP320", 8, true, 7, 9}, ModelCase{"Hasar715", 9, true, 7, 9}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HasarTicketModels, APaidTicketCanOnlyBeClosedAndSaysSo) {
    HasarHarness h = ticketOpenOn(2);
    ASSERT_TRUE(h.send(0x44, {"Efectivo", "5.00", "T", "0"}).accepted());
    EXPECT_EQ(h.send(0x2A).field(4), "0006");
    EXPECT_TRUE(h.send(0x44, kTenderCancel).refused(kInvalidInState));
    ASSERT_TRUE(h.send(0x44, {"Efectivo", "5.00", "T", "0"}).accepted());
    EXPECT_EQ(h.send(0x2A).field(4), "0007");
    EXPECT_TRUE(h.memory().open.has_value());
}

struct TextCase {
    const char* name;
    quint8 command;
    QByteArray text;
    bool accepted;
    QString printed;  // the roll's last line, when accepted
};

class HasarText : public ::testing::TestWithParam<TextCase> {};

TEST_P(HasarText, OnlyThePrintersOwnBytesAreTakenAndTheRollShowsThem) {
    const TextCase& c = GetParam();
    HasarHarness h;
    ASSERT_TRUE(h.send(0x48).accepted());
    h.newPaper();
    const auto reply = h.send(c.command, {c.text, "0"});
    EXPECT_EQ(reply.accepted(), c.accepted);
    EXPECT_EQ(reply.refused(kInvalidField), !c.accepted);
    const QStringList paper = h.newPaper();
    if (c.accepted) {
        ASSERT_EQ(paper.size(), 1);
        EXPECT_EQ(paper[0], c.printed);
    } else {
        EXPECT_TRUE(paper.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    , HasarText,
    ::testing::Values(
        TextCase{"Accents", 0x49, "inicializaci\xA2n \xA5" "and\xA3", true, QStringLiteral("inicialización Ñandú")},
        TextCase{"Punctuation", 0x49, "\xA8" "S\xA1?\xAD N\xA7 1", true, QStringLiteral("¿Sí?¡ Nº 1")},
        TextCase{"DoubleWidthLine", 0x49, "\xF4" "MODULO CERRADO", true, QStringLiteral("\u2194MODULO CERRADO")},
        TextCase{"DoubleWidthInsideALine", 0x49, "MODULO \xF4", false, {}},
        TextCase{"Latin1Accent", 0x49, "inicializaci\xF3n", false, {}},
        TextCase{"Latin1CapitalO", 0x49, "M\xD3" "DULO", false, {}},
        TextCase{"AboveTheSet", 0x49, "\xB0", false, {}},
        TextCase{"DoubleWidthOnACommandWithoutStyles", 0x4A, "\xF4", false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
