// The answers the window reads, reports, the clock and the devices of the virtual Hasar printer.

#include "hasar_harness.h"

#include <sim/hasar_status.h>

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using namespace sim::hasar;

const QList<QByteArray> kItem{"Item de Prueba ", "1.0", "0.01", "0.00", "M", "0.00000000", "0", "T"};
const QList<QByteArray> kCustomerA{"Cliente de Prueba", "99999999995", "I", "C", "Direccion"};

// Each reply field named by its number holds the text given for it.
void expectFields(const HasarHarness::Reply& reply, std::initializer_list<std::pair<int, const char*>> expected) {
    for (const auto& [number, text] : expected) EXPECT_EQ(reply.field(number), text) << "field " << number;
}

void ticket(HasarHarness& h) {
    h.send(0x40, {"T", "T"});
    h.send(0x42, kItem);
    h.send(0x45);
}

TEST(HasarQueries, StatusCarriesTheLastNumbersWhereTheDriverReadsThem) {
    HasarHarness h;
    h.memory().last = {.a = 12, .b = 34, .creditNoteA = 56, .creditNoteB = 78, .deliveryNote = 9, .nonFiscal = 1};
    const auto status = h.send(0x2A);
    expectFields(status, {{1, "0080"}, {2, "0600"}, {3, "00000034"}, {5, "00000012"}, {7, "00000078"}, {8, "00000056"}, {9, "00000009"}});
}

TEST(HasarQueries, InitDataFieldsAndTheNotInitialisedAnswer) {
    HasarHarness h;
    const auto init = h.send(0x73);
    expectFields(init, {{3, "30712345671"}, {4, "ORBELO IMPRESOR VIRTUAL S.A."}, {5, "OVH0000001"}, {7, "0001"}});

    h.memory().initialised = false;
    const auto bare = h.send(0x73);
    EXPECT_EQ(bare.frame->fields.size(), 2);
    EXPECT_EQ(bare.field(2), "0000");  // neither certified nor fiscalised
    EXPECT_TRUE(bare.accepted());
}

TEST(HasarQueries, HistoryCapacityAndTheClosedModuleAnswer) {
    HasarHarness h;
    h.send(0x39, {"Z"});
    const auto capacity = h.send(0x37);
    EXPECT_EQ(capacity.field(3), "1825");
    EXPECT_EQ(capacity.field(4), "0001");

    h.memory().moduleOpen = false;
    const auto bare = h.send(0x37);
    EXPECT_EQ(bare.frame->fields.size(), 2);
    EXPECT_TRUE(bare.accepted());
}

TEST(HasarQueries, WorkingMemoryCountsSinceTheLastZ) {
    HasarHarness h;
    ticket(h);
    ticket(h);
    h.send(0x40, {"T", "T"});
    h.send(0x98);
    h.send(0x48);
    h.send(0x4A);
    h.send(0x62, kCustomerA);
    h.send(0x80, {"r", "T"});
    h.send(0x81);
    auto day = h.send(0x67);
    EXPECT_EQ(day.field(3), "1");
    EXPECT_EQ(day.field(4), "1");  // the non-fiscal document: the delivery note is homologated
    EXPECT_EQ(day.field(5), "2");
    EXPECT_EQ(day.field(8), "0.02");

    const auto z = h.send(0x39, {"Z"});
    expectFields(z, {{3, "0001"}, {4, "1"}, {5, "1"}, {6, "1"}, {7, "2"}, {9, "00000003"}});

    day = h.send(0x67);
    expectFields(day, {{3, "0"}, {4, "0"}, {5, "0"}});
}

TEST(HasarQueries, XReportsDoNotAdvanceTheZ) {
    HasarHarness h;
    EXPECT_EQ(h.send(0x39, {"X"}).field(3), "0001");
    EXPECT_EQ(h.send(0x39, {"X"}).field(3), "0002");
    EXPECT_EQ(h.send(0x39, {"Z"}).field(3), "0001");
    EXPECT_EQ(h.memory().lastZ, 1);
    EXPECT_TRUE(h.paper.contains(QStringLiteral("== INFORME X Nro 0002 ==")));
    EXPECT_TRUE(h.paper.contains(QStringLiteral("== FIN INFORME Z Nro 0001 ==")));
}

TEST(HasarQueries, DateChangeIsRefusedAfterADocumentAndAcceptedAfterAZ) {
    HasarHarness h;
    ticket(h);
    EXPECT_TRUE(h.send(0x58, {"270315", "093000"}).refused(kInvalidInState));
    h.send(0x39, {"Z"});
    EXPECT_TRUE(h.send(0x58, {"270315", "093000"}).accepted());
    h.nowMs += 60'000;
    const auto clock = h.send(0x59);
    EXPECT_EQ(clock.field(3), "270315");
    EXPECT_EQ(clock.field(4).left(4), "0931");
    ticket(h);
    EXPECT_TRUE(h.paper.last().startsWith(QStringLiteral("== FIN TIQUE")));
    EXPECT_TRUE(h.paper.contains(QStringLiteral("FECHA 15/03/27 HORA 09:31:00")));
}

TEST(HasarQueries, GlobalReportByNumberIsClampedToExistingZ) {
    HasarHarness h;
    ticket(h);
    h.send(0x39, {"Z"});
    h.send(0x39, {"Z"});
    h.newPaper();
    EXPECT_TRUE(h.send(0x3B, {"0001", "1825", "T"}).accepted());
    const QStringList report = h.newPaper();
    EXPECT_EQ(report.first(), QStringLiteral("== INFORME GLOBAL POR NUMERO Z 0001-1825 =="));
    EXPECT_TRUE(report.contains(QStringLiteral("CIERRES Z 2 DESDE 0001 HASTA 0002")));
    EXPECT_TRUE(report.contains(QStringLiteral("DOC FISCALES 1")));

    EXPECT_TRUE(h.send(0x3B, {"0002", "0009", "D"}).accepted());
    EXPECT_EQ(h.newPaper().filter(QRegularExpression(QStringLiteral("^Z \\d{4} "))).size(), 1);
}

TEST(HasarQueries, GlobalReportByDateSelectsTheDaysInRange) {
    HasarHarness h;
    h.send(0x39, {"Z"});
    h.newPaper();
    EXPECT_TRUE(h.send(0x3A, {"970101", "261231", "D"}).accepted());
    EXPECT_EQ(h.newPaper().filter(QRegularExpression(QStringLiteral("^Z 0001 "))).size(), 1);
    EXPECT_TRUE(h.send(0x3A, {"970101", "971231", "T"}).accepted());
    EXPECT_TRUE(h.newPaper().contains(QStringLiteral("SIN CIERRES Z EN EL RANGO")));
}

TEST(HasarQueries, DrawerAndCutterAreCountedAndPrinted) {
    HasarHarness h;
    h.send(0x7B);
    h.send(0x7B);
    h.send(0x48);  // the cutter cuts only inside a non-fiscal document
    h.send(0x4B);
    EXPECT_EQ(h.memory().drawerOpenings, 2);
    EXPECT_EQ(h.memory().cuts, 1);
    EXPECT_EQ(h.paper.mid(0, 2), (QStringList{"-- CAJON ABIERTO --", "-- CAJON ABIERTO --"}));
    EXPECT_EQ(h.paper.last(), QStringLiteral("-- CORTE --"));
}

TEST(HasarQueries, LongTextsAreCutToTheStationWidth) {
    HasarHarness ticketModel({}, 2);
    HasarHarness slipModel({}, 7);
    const QByteArray text(200, 'x');
    for (HasarHarness* h : {&ticketModel, &slipModel}) {
        h->send(0x48);
        h->send(0x49, {text, "0"});
    }
    EXPECT_EQ(ticketModel.paper.last().size(), 40);
    EXPECT_EQ(slipModel.paper.last().size(), 120);
}

}  // namespace
