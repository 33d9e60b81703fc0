// A power cut with a document open, as each maker describes it: the document is cancelled and
// its number used up; a Hasar opens it again, with what it held, under the next number.

#include "fault_plan_of.h"
#include "hasar_harness.h"

#include <sim/ledger.h>

#include <gtest/gtest.h>

namespace {

using sim::DocumentKind;
using sim::FiscalMemory;

TEST(PowerCut, CancelsTheOpenDocumentAndARestoringPrinterOpensItAgain) {
    for (const bool restore : {false, true}) {
        FiscalMemory m;
        m.last.a = m.last.issuedA = 4;
        sim::beginDocument(m, DocumentKind::InvoiceA);
        m.open->total = sim::Amount{1000};
        m.open->paid = sim::Amount{400};
        m.open->payments = 1;
        m.customer = sim::Customer{};
        m.customer->name = QStringLiteral("Cliente");

        sim::cutPower(m, restore);

        // Printed under 5, never issued: the printed and the issued numbers part ways.
        EXPECT_EQ(m.last.a, 5u);
        EXPECT_EQ(m.last.issuedA, 4u);
        EXPECT_TRUE(m.lastCancelled);
        EXPECT_EQ(m.day.cancelled, 1);
        ASSERT_EQ(m.open.has_value(), restore);
        if (!restore) continue;
        EXPECT_EQ(m.open->number, 6u);
        EXPECT_EQ(m.open->paid, sim::Amount{400});
        EXPECT_EQ(m.open->payments, 1);
        EXPECT_TRUE(m.customer.has_value());  // the restored head names its buyer again

        sim::finishDocument(m);
        EXPECT_EQ(m.last.issuedA, 6u);
        EXPECT_FALSE(m.lastCancelled);
        sim::cutPower(m, true);  // nothing open: nothing happens
        EXPECT_EQ(m.day.cancelled, 1);
    }
}

TEST(PowerCut, AHasarMarksTheCancelInItsDocumentStatusAndClosesTheRestoredDocument) {
    HasarHarness h(FiscalMemory{}, 8);
    h.printer.link().setFaults(planOf("power-cut,cmd=45,seconds=1"));
    h.send(0x62, {"Cliente de Prueba", "99999999995", "I", "C", "Direccion"});
    h.send(0x40, {"A", "T"});
    ASSERT_TRUE(h.send(0x42, {"Item", "1.0", "1.00", "21.00", "M", "0.00000000", "0", "T"}).accepted());
    h.send(0x44, {"Efectivo", "1.00", "T", "0"});
    h.newPaper();

    EXPECT_FALSE(h.send(0x45).frame);  // the power goes before the close runs
    const QStringList cutPaper = h.newPaper();
    EXPECT_TRUE(cutPaper.contains(QStringLiteral("CORTE DE CORRIENTE")));
    EXPECT_TRUE(cutPaper.contains(QStringLiteral("== CANCELADO FACTURA A Nro 0001-00000001 ==")));
    EXPECT_TRUE(cutPaper.contains(QStringLiteral("COMPROBANTE RESTAURADO")));
    h.nowMs += 2000;
    // Document status: invoice A open, last document cancelled.
    EXPECT_EQ(h.send(0x2A).field(6), QByteArray("0101"));

    const HasarHarness::Reply closed = h.send(0x45);
    ASSERT_TRUE(closed.accepted());
    EXPECT_EQ(closed.field(3), QByteArray("00000002"));
    EXPECT_EQ(h.send(0x2A).field(6), QByteArray("0000"));
}

}  // namespace
