// Line faults between the real Epson driver and the virtual Epson printer: whatever happens on
// the line, a document is printed and counted once.

#include "epson_printer_fixture.h"
#include "support/named_case.h"

#include <sim/faults.h>

namespace {

sim::FaultPlan plan(sim::Fault::Kind kind, quint8 command, int times = 1, int milliseconds = 0) {
    sim::Fault f;
    f.kind = kind;
    f.command = command;
    f.times = times;
    f.milliseconds = milliseconds;
    sim::FaultPlan p;
    p.add(f);
    return p;
}

void ticket(EpsonPrinter& p) {
    p.OpenTicket();
    p.TicketItem({"Item de Prueba", "1000", "1", "0000", "M", "0", "0"});
    p.TicketPayment("EFECTIVO", "1", "T");
    p.CloseTicket();
}

struct FaultCase {
    const char* name;
    sim::Fault::Kind kind;
    int milliseconds;
};

class EpsonLineFaults : public VirtualEpsonTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(EpsonLineFaults, OnTheCloseStillIssueTheTicketExactlyOnce) {
    line.printer.link().setFaults(plan(GetParam().kind, 0x45, 1, GetParam().milliseconds));
    ticket(driver);
    EXPECT_EQ(newPaper().filter(QStringLiteral("== FIN TIQUE")).size(), 1);
    EXPECT_EQ(memory().last.b, 1u);
    EXPECT_EQ(memory().day.fiscal, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, EpsonLineFaults,
    ::testing::Values(FaultCase{"LostReply", sim::Fault::Kind::DropReply, 0},
                      FaultCase{"DamagedReply", sim::Fault::Kind::CorruptReply, 0},
                      FaultCase{"DamagedRequest", sim::Fault::Kind::NakRequest, 0},
                      FaultCase{"SilentOnce", sim::Fault::Kind::Silent, 0},
                      FaultCase{"BusyLongerThanTheTimeLimit", sim::Fault::Kind::Busy, 600},
                      FaultCase{"OutOfPaperForAWhile", sim::Fault::Kind::PaperOut, 600}),
    named_case::testName);

TEST_F(VirtualEpsonTest, APrinterThatStaysSilentIsAnErrorAndTheNextCommandStartsAfresh) {
    line.printer.link().setFaults(plan(sim::Fault::Kind::Silent, 0x4B, 3));
    EXPECT_EQ(errorOf([&] { driver.CutPaper(); }), error_number::kNoAnswer);
    EXPECT_EQ(description, QStringLiteral("El impresor fiscal no responde en COM2 (virtual) a 9600 baudios, 8N1: revise que esté encendido, el cable y el adaptador, y que el modelo y el puerto elegidos sean los del impresor"));
    EXPECT_FALSE(line.isOpen());
    driver.CutPaper();
    EXPECT_EQ(memory().cuts, 1);
}

}  // namespace
