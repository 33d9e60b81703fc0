// What a real Hasar refuses by its manual and the virtual one must refuse too, and the states it
// reports on the way: totals, payments, the cutter, the clock, the models' commands, the
// auxiliary status of each family and a blocked slip printer.

#include "hasar_harness.h"
#include "hasar_refusals.h"

#include <sim/hasar_status.h>
#include <sim/state_file.h>

#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

using named_case::PrintTo;
using namespace sim::hasar;

const QList<QByteArray> kTenPesos{"Item", "1.0", "10.00", "21.00", "M", "0.00000000", "0", "T"};
const QList<QByteArray> kCustomerA{"Cliente de Prueba", "99999999995", "I", "C", "Direccion"};

QList<QByteArray> pay(const char* amount) { return {"Pago", amount, "T", "0"}; }

Steps ticketOf(bool withItem, QList<const char*> payments = {}) {
    return [=](HasarHarness& h) {
        h.send(0x40, {"T", "T"});
        if (withItem) h.send(0x42, kTenPesos);
        for (const char* amount : payments) h.send(0x44, pay(amount));
    };
}

Steps invoiceBOnSlipPaid(int times) {
    return [=](HasarHarness& h) {
        h.send(0x62, {"Cliente de Prueba", " ", "C", " ", "Direccion"});
        h.send(0x40, {"B", "S"});
        h.send(0x42, kTenPesos);
        for (int i = 0; i < times; ++i) h.send(0x44, pay("1.00"));
    };
}

Steps creditNoteA(QList<const char*> payments = {}) {
    return [=](HasarHarness& h) {
        h.send(0x93, {"1", "A-0001-00000001"});
        h.send(0x62, kCustomerA);
        h.send(0x80, {"R", "T"});
        h.send(0x42, kTenPesos);
        for (const char* amount : payments) h.send(0x44, pay(amount));
    };
}

Steps homologated(QByteArray code, QByteArray reference = " ") {
    return [=](HasarHarness& h) {
        h.send(0x62, kCustomerA);
        h.send(0x80, {code, "T", reference});
    };
}


const QList<QByteArray> kNewDate{"270315", "093000"};

INSTANTIATE_TEST_SUITE_P(
    Manual, HasarRefusals,
    ::testing::Values(
        RefusalCase{"CloseOfAZeroTotal", {ticketOf(false), 2}, 0x45, {}, kInvalidInState},
        RefusalCase{"PaymentOfAZeroTotal", {ticketOf(false), 9}, 0x44, pay("1.00"), kInvalidInState},
        RefusalCase{"CloseWithABalanceDue", {ticketOf(true, {"4.00"}), 2}, 0x45, {}, kInvalidInState},
        RefusalCase{"FourthTicketPaymentShort", {ticketOf(true, {"1.00", "1.00", "1.00"}), 9}, 0x44, pay("1.00"), kInvalidInState},
        RefusalCase{"SixthTicketInvoicePaymentShort", {invoiceBOnSlipPaid(5), 8}, 0x44, pay("1.00"), kInvalidInState},
        RefusalCase{"FourthPaymentOfAnInvoiceOn615", {invoiceBOnSlipPaid(3), 2}, 0x44, pay("1.00"), kInvalidInState},
        RefusalCase{"CutWithNothingOpen", {nothing, 9}, 0x4B, {}, kInvalidInState},
        RefusalCase{"CutInsideACreditNote", {creditNoteA(), 8}, 0x4B, {}, kInvalidInState},
        RefusalCase{"InitDataOn950", {nothing, 4}, 0x73, {}, kUnknownCommand},
        RefusalCase{"LogoOn715", {nothing, 9}, 0x91, {}, kUnknownCommand},
        RefusalCase{"LogoOn262", {nothing, 6}, 0x90, {"F", "42"}, kUnknownCommand},
        RefusalCase{"DateOnAPrinterWithoutAZ", {nothing, 9}, 0x58, kNewDate, kInvalidInState},
        RefusalCase{"DateAfterAnX", {sends({{0x39, {"Z"}}, {0x39, {"X"}}}), 9}, 0x58, kNewDate, kInvalidInState},
        RefusalCase{"DateAfterADrawer", {sends({{0x39, {"Z"}}, {0x7B, {}}}), 9}, 0x58, kNewDate, kInvalidInState},
        RefusalCase{"DateAfterANonFiscalDocument", {sends({{0x39, {"Z"}}, {0x48, {}}, {0x4A, {}}}), 9}, 0x58, kNewDate, kInvalidInState},
        RefusalCase{"DateTwiceAfterOneZ", {sends({{0x39, {"Z"}}, {0x58, kNewDate}}), 9}, 0x58, kNewDate, kInvalidInState},
        RefusalCase{"CancelOfAPaidCreditNote", {creditNoteA({"0.50"}), 8}, 0x98, {}, kInvalidInState},
        RefusalCase{"CloseOfACreditNoteWithABalance", {creditNoteA({"0.50"}), 7}, 0x81, {}, kInvalidInState},
        RefusalCase{"BlockedTicket", {nothing, 8, true}, 0x40, {"T", "T"}, kMemoryFullOrClosed | kInvalidInState},
        RefusalCase{"BlockedDeliveryNote", {sends({{0x62, kCustomerA}}), 7, true}, 0x80, {"r", "T", " "}, kMemoryFullOrClosed | kInvalidInState},
        RefusalCase{"BlockedZ", {nothing, 8, true}, 0x39, {"Z"}, kMemoryFullOrClosed | kInvalidInState}),
    named_case::testName);

struct AuxiliaryCase {
    const char* name;
    Start start;
    QByteArray auxiliary;
};

class HasarAuxiliaryStatus : public ::testing::TestWithParam<AuxiliaryCase> {};

TEST_P(HasarAuxiliaryStatus, ReadsAsTheModelsFamilyReadsIt) {
    const AuxiliaryCase& c = GetParam();
    Started h(c.start);
    const auto status = h.send(0x2A);
    EXPECT_EQ(status.field(4), c.auxiliary);
    EXPECT_EQ((status.fiscalStatus() & kMemoryFullOrClosed) != 0, c.start.blocked);
}

INSTANTIATE_TEST_SUITE_P(
    Families, HasarAuxiliaryStatus,
    ::testing::Values(AuxiliaryCase{"SlipIdle", {nothing, 8}, "0002"},
                      AuxiliaryCase{"SlipInvoiceOpen", {invoiceBOnSlipPaid(0), 8}, "0003"},
                      AuxiliaryCase{"SlipInvoicePaidInPart", {invoiceBOnSlipPaid(1), 8}, "0006"},
                      AuxiliaryCase{"SlipNonFiscal", {sends({{0x48, {}}}), 7}, "0005"},
                      AuxiliaryCase{"SlipCreditNote", {creditNoteA(), 8}, "000C"},
                      AuxiliaryCase{"SlipCreditNotePaid", {creditNoteA({"0.50"}), 7}, "0018"},
                      AuxiliaryCase{"SlipCreditNotePaidBack", {creditNoteA({"0.50", "-0.50"}), 8}, "000C"},
                      AuxiliaryCase{"SlipDeliveryNote", {homologated("r"), 8}, "0017"},
                      AuxiliaryCase{"SlipReceiptX", {homologated("x", "R-1"), 7}, "0017"},
                      AuxiliaryCase{"SlipBlocked", {nothing, 8, true}, "0016"},
                      AuxiliaryCase{"SlipBlockedNonFiscal", {sends({{0x48, {}}}), 8, true}, "0016"},
                      AuxiliaryCase{"Hasar715CreditNote", {creditNoteA(), 9}, "0003"},
                      AuxiliaryCase{"Hasar715CreditNotePaid", {creditNoteA({"0.50"}), 9}, "0006"},
                      AuxiliaryCase{"Hasar615PaidInFull", {ticketOf(true, {"10.00"}), 2}, "0007"}),
    named_case::testName);

TEST(HasarStrictRules, ACloseWithoutPaymentPaysTheTotalAndTheLastPaymentMayCoverIt) {
    Started unpaid({ticketOf(true), 2});
    EXPECT_TRUE(unpaid.send(0x45).accepted());
    EXPECT_EQ(unpaid.memory().day.fiscal, 1);

    Started covered({ticketOf(true, {"1.00", "1.00", "1.00"}), 2});
    const auto fourth = covered.send(0x44, pay("8.00"));
    ASSERT_TRUE(fourth.accepted());
    EXPECT_EQ(fourth.field(3), "-1.00");  // change
    EXPECT_TRUE(covered.send(0x45).accepted());
}

TEST(HasarStrictRules, ACreditNoteTellsAndUndoesWhatWasPaidThenCancels) {
    Started h({creditNoteA({"2.50"}), 8});
    const auto subtotal = h.send(0x43, {"N", " ", "0"});
    ASSERT_TRUE(subtotal.accepted());
    EXPECT_EQ(subtotal.field(4), "10.00");
    EXPECT_EQ(subtotal.field(6), "2.50");
    ASSERT_TRUE(h.send(0x44, pay("-2.50")).accepted());
    EXPECT_TRUE(h.send(0x98).accepted());
    EXPECT_EQ(h.memory().day.cancelled, 1);
}

TEST(HasarStrictRules, TheCutterCutsANonFiscalDocumentAndLeavesItOpen) {
    HasarHarness h;
    h.send(0x48);
    ASSERT_TRUE(h.send(0x4B).accepted());
    ASSERT_TRUE(h.memory().open.has_value());
    EXPECT_EQ(h.memory().open->kind, sim::DocumentKind::NonFiscal);
    EXPECT_TRUE(h.send(0x49, {"Sigue abierto", "0"}).accepted());
}

TEST(HasarStrictRules, TheDayCountsNonFiscalDocumentsWithoutTheHomologatedOnes) {
    Started h({homologated("r"), 8});
    h.send(0x82, {"Articulo", "1.0", "0"});
    ASSERT_TRUE(h.send(0x81).accepted());
    h.send(0x48);
    h.send(0x4A);
    const auto day = h.send(0x67);
    EXPECT_EQ(day.field(4), "1");
    EXPECT_EQ(day.field(5), "0");
}

// The window asks the status and the day's counts before it sets the clock; a restart of the
// virtual printer between the Z and the change keeps "right after the Z".
TEST(HasarStrictRules, TheDateChangeRightAfterAZSurvivesQueriesAndARestart) {
    HasarHarness h;
    ASSERT_TRUE(h.send(0x39, {"Z"}).accepted());
    for (quint8 query : {0x2A, 0x59, 0x67, 0x37, 0x73}) EXPECT_TRUE(h.send(query).accepted()) << int(query);
    EXPECT_TRUE(h.send(0x58, {"271", "093000"}).refused(kInvalidField));

    QJsonObject saved = sim::state_file::toJson(h.memory());
    QString error;
    const auto loaded = sim::state_file::fromJson(saved, &error);
    ASSERT_TRUE(loaded) << error.toStdString();
    HasarHarness restarted(*loaded);
    EXPECT_TRUE(restarted.send(0x58, kNewDate).accepted());

    // A file written before the key was kept reads as not right after a Z.
    saved.remove(QStringLiteral("right_after_z"));
    const auto older = sim::state_file::fromJson(saved, &error);
    ASSERT_TRUE(older) << error.toStdString();
    HasarHarness olderPrinter(*older);
    EXPECT_TRUE(olderPrinter.send(0x58, kNewDate).refused(kInvalidInState));
}

TEST(HasarStrictRules, ABlockedSlipPrinterStillAnswersQueriesXAndNonFiscalDocuments) {
    HasarHarness h({}, 8, sim::Conditions{false, true});
    for (quint8 query : {0x2A, 0x67, 0x37, 0x73}) {
        const auto reply = h.send(query);
        EXPECT_GT(reply.frame->fields.size(), 2) << int(query);
        EXPECT_EQ(reply.fiscalStatus() & (kInvalidInState | kUnknownCommand), 0) << int(query);
    }
    EXPECT_FALSE(h.send(0x39, {"X"}).refused(kInvalidInState));
    EXPECT_FALSE(h.send(0x48).refused(kInvalidInState));
    EXPECT_FALSE(h.send(0x4A).refused(kInvalidInState));
    EXPECT_EQ(h.memory().day.nonFiscal, 1);
}

}  // namespace
