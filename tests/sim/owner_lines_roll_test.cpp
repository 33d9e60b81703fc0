// The owner's lines on the paper roll of either brand: fantasy name and header under the title
// of a document or report, the trailer just above its closing line.

#include "printer_script.h"

#include <sim/virtual_printer.h>

#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

using named_case::PrintTo;

using Command = ScriptCommand;

struct RollCase {
    const char* name;
    sim::Brand brand;
    int model;
    QList<Command> commands;
    QString title;       // the document or report the lines must frame
    QStringList head;    // the lines right under its title
    QString trailer;     // the line right above its close
};

class OwnerLinesOnTheRoll : public ::testing::TestWithParam<RollCase> {};

TEST_P(OwnerLinesOnTheRoll, FrameTheDocument) {
    const RollCase& c = GetParam();
    sim::VirtualPrinter printer(c.brand, c.model, {});
    play(printer, c.commands);
    const QStringList paper = printer.paper().take();
    const qsizetype title = paper.indexOf(QStringLiteral("== %1 ==").arg(c.title));
    const qsizetype end = paper.indexOf(QStringLiteral("== FIN %1 ==").arg(c.title));
    ASSERT_GE(title, 0) << paper.join(QLatin1Char('\n')).toStdString();
    ASSERT_GT(end, title + c.head.size());
    EXPECT_EQ(paper.mid(title + 1, c.head.size()), c.head);
    EXPECT_TRUE(paper[title + c.head.size() + 1].startsWith(QLatin1String("FECHA ")));
    EXPECT_EQ(paper[end - 1], c.trailer);
    // Each line once: nothing of the trailer above, nothing of the header below.
    EXPECT_EQ(paper.count(c.trailer), 1);
    for (const QString& line : c.head) EXPECT_EQ(paper.count(line), 1) << line.toStdString();
}

const QList<Command> kHasarLines{{0x5F, {"1", "LA ESQUINA"}},
                                 {0x5D, {"1", "Av. Siempreviva 742"}},
                                 {0x5D, {"2", "\xF4OFERTAS"}},
                                 {0x5D, {"11", "Gracias por su compra"}}};
const QList<Command> kHasarTicket{{0x40, {"T", "T"}},
                                  {0x42, {"Item", "1.0", "1.00", "21.00", "M", "0.00000000", "0", "T"}},
                                  {0x45, {}}};
const QStringList kHasarHead{"LA ESQUINA", "Av. Siempreviva 742", QStringLiteral("\u2194OFERTAS")};

INSTANTIATE_TEST_SUITE_P(
    , OwnerLinesOnTheRoll,
    ::testing::Values(
        RollCase{"HasarTicket", sim::Brand::Hasar, 2, kHasarLines + kHasarTicket, "TIQUE Nro 0001-00000001",
                 kHasarHead, "Gracias por su compra"},
        RollCase{"HasarXReport", sim::Brand::Hasar, 8, kHasarLines + QList<Command>{{0x39, {"X"}}}, "INFORME X Nro 0001",
                 kHasarHead, "Gracias por su compra"},
        RollCase{"EpsonTicket", sim::Brand::Epson, 0,
                 {{0x5D, {"00001", "Av. Siempreviva 742"}},
                  {0x5D, {"00011", "Gracias por su compra"}},
                  {0x40, {"C"}},
                  {0x42, {"Item", "1000", "100", "2100", "M", "0", "0"}},
                  {0x44, {"EFECTIVO", "100", "T"}},
                  {0x45, {"T"}}},
                 "TIQUE Nro 0001-00000001", {"Av. Siempreviva 742"}, "Gracias por su compra"}),
    named_case::testName);

}  // namespace
