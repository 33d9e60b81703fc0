// What the Hasar ticket models do differently, and the character set every model prints.

#include "hasar_harness.h"
#include "support/named_case.h"

#include <sim/hasar_status.h>

#include <gtest/gtest.h>

namespace {

using namespace sim::hasar;

const QList<QByteArray> kItem{"Item", "1.0", "10.00", "21.00", "M", "0.00000000", "0", "T"};
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
                         named_case::testName);

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
    named_case::testName);

}  // namespace

namespace {

// A model of the window's list and the commands it has and lacks, by its manual.
struct FamilyCase {
    const char* name;
    int model;
    QList<quint8> known;
    QList<quint8> unknown;
};

class HasarFamilyCommands : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(HasarFamilyCommands, ACommandOutsideTheModelsManualIsUnknownAndDoesNothing) {
    const FamilyCase& c = GetParam();
    HasarHarness h({}, c.model);
    h.send(0x62, {"Cliente", "99999999995", "I", "C", "Domicilio"});
    h.newPaper();
    for (quint8 command : c.unknown) {
        SCOPED_TRACE(int(command));
        const auto reply = h.send(command, {"R", "T"});
        EXPECT_TRUE(reply.refused(kUnknownCommand));
        EXPECT_EQ(reply.frame->fields.size(), 2);
        EXPECT_TRUE(h.newPaper().isEmpty());
        EXPECT_FALSE(h.memory().open.has_value());
    }
    for (quint8 command : c.known) {
        SCOPED_TRACE(int(command));
        EXPECT_FALSE(h.send(command).refused(kUnknownCommand));
    }
}

const QList<quint8> kLackedBy615Family{0x80, 0x81, 0x82, 0x90, 0x91, 0x92, 0x93, 0x97, 0x98};
// What the later models know beyond the 615 family's manual, the logo and Cancel aside.
const QList<quint8> kBeyond615Family{0x80, 0x81, 0x82, 0x92, 0x93, 0x97};
const QList<quint8> kLogo{0x90, 0x91};

INSTANTIATE_TEST_SUITE_P(
    , HasarFamilyCommands,
    ::testing::Values(FamilyCase{"Hasar614", 1, {0x2A, 0x43, 0x4B, 0x5D, 0x5E, 0x5F, 0x66, 0x7B}, kLackedBy615Family + QList<quint8>{0x73}},
                      FamilyCase{"Hasar615", 2, {0x73, 0x43, 0x4B, 0x7B}, kLackedBy615Family},
                      FamilyCase{"HasarPR4", 3, {0x73, 0x43}, kLackedBy615Family},
                      FamilyCase{"Hasar950", 4, {0x43}, kLackedBy615Family + QList<quint8>{0x73}},
                      FamilyCase{"Hasar951", 5, {0x73, 0x43}, kLackedBy615Family},
                      FamilyCase{"Hasar262", 6, kBeyond615Family, kLogo + QList<quint8>{0x98}},
                      FamilyCase{"HasarPj20", 7, kBeyond615Family + kLogo + QList<quint8>{0x98}, {}},
                      FamilyCase{"HasarP320", 8, kBeyond615Family + kLogo + QList<quint8>{0x98}, {}},
                      FamilyCase{"Hasar715", 9, kBeyond615Family + QList<quint8>{0x98}, kLogo}),
    named_case::testName);

TEST(HasarPartialPayments, APartlyPaidTicketIsPaidBackBeforeItCanBeCancelled) {
    HasarHarness h = ticketOpenOn(2);
    const auto partly = h.send(0x44, {"Efectivo", "4.00", "T", "0"});
    ASSERT_TRUE(partly.accepted());
    EXPECT_EQ(partly.field(3), "6.00");  // still due
    EXPECT_EQ(h.send(0x2A).field(4), "0006");
    EXPECT_TRUE(h.send(0x44, kTenderCancel).refused(kInvalidInState));

    // The subtotal, asked without printing, tells what was paid.
    h.newPaper();
    const auto subtotal = h.send(0x43, {"N", " ", "0"});
    ASSERT_TRUE(subtotal.accepted());
    EXPECT_EQ(subtotal.field(3), "1");
    EXPECT_EQ(subtotal.field(4), "10.00");
    EXPECT_EQ(subtotal.field(6), "4.00");
    EXPECT_TRUE(h.newPaper().isEmpty());

    // More than was paid cannot be paid back; exactly that restores the balance.
    EXPECT_TRUE(h.send(0x44, {"Anula", "-4.01", "T", "0"}).refused(kInvalidField));
    const auto back = h.send(0x44, {"Anula pagos", "-4.00", "T", "0"});
    ASSERT_TRUE(back.accepted());
    EXPECT_EQ(back.field(3), "10.00");
    EXPECT_EQ(h.send(0x2A).field(4), "0003");
    EXPECT_EQ(h.newPaper(), QStringList{QStringLiteral("PAGO Anula pagos | -4.00")});

    ASSERT_TRUE(h.send(0x44, kTenderCancel).accepted());
    EXPECT_FALSE(h.memory().open.has_value());
    EXPECT_EQ(h.memory().day.cancelled, 1);
}

TEST(HasarPartialPayments, AFullyPaidTicketTakesNoPaymentBackOnlyItsClose) {
    HasarHarness h = ticketOpenOn(2);
    ASSERT_TRUE(h.send(0x44, {"Efectivo", "10.00", "T", "0"}).accepted());
    EXPECT_EQ(h.send(0x2A).field(4), "0007");
    EXPECT_TRUE(h.send(0x44, {"Anula", "-10.00", "T", "0"}).refused(kInvalidInState));
    EXPECT_TRUE(h.send(0x44, {"Efectivo", "1.00", "T", "0"}).refused(kInvalidInState));
    EXPECT_TRUE(h.send(0x45).accepted());
}

}  // namespace
