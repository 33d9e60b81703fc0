// Each kind of command driven to its limits on either brand: whatever state the printer
// reaches, it saves and loads again unchanged, and the printer starts again from it.

#include "printer_script.h"
#include "support/named_case.h"

#include <sim/state_file.h>
#include <sim/virtual_printer.h>

#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

namespace {

using sim::Brand;
using sim::FiscalMemory;

using Command = ScriptCommand;

struct LimitCase {
    const char* name;
    Brand brand;
    std::function<void(FiscalMemory&)> start;  // the memory before the commands
    QList<Command> commands;
    std::function<void(const FiscalMemory&)> reached;  // proves the limit was reached
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name;
}

const QByteArray kDel(1, 0x7F);

// An Epson ticket-invoice or ticket credit note opening, with the buyer's identity document.
QList<QByteArray> epsonOpen(const QByteArray& type, const QByteArray& idType, const QByteArray& reference) {
    return {type, "C", "B", "1", "P", "10", "I", "I", "CLIENTE DE PRUEBA", kDel, idType, "99999999995", "N",
            "Direccion", kDel, kDel, reference, kDel, "C"};
}

const QList<QByteArray> kEpsonItem{"Item", "1000", "100", "2100", "M", "0", "0"};
const QList<QByteArray> kHasarItem{"Item", "1.0", "1.00", "21.00", "M", "0.00000000", "0", "T"};

class StateAtItsLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(StateAtItsLimits, SavesAndLoadsAgainUnchanged) {
    const LimitCase& c = GetParam();
    FiscalMemory start;
    c.start(start);
    // The 715 knows every Hasar command, Cancel 0x98 included.
    const int model = c.brand == Brand::Hasar ? 9 : 2;
    sim::VirtualPrinter printer(c.brand, model, start);
    play(printer, c.commands);
    c.reached(printer.memory());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state.json"));
    QString error;
    ASSERT_TRUE(sim::state_file::save(printer.memory(), path, &error)) << error.toStdString();
    const auto loaded = sim::state_file::load(path, &error);
    ASSERT_TRUE(loaded) << error.toStdString();
    EXPECT_TRUE(*loaded == printer.memory());
    // Switching on again from the file: a document left open is cancelled and that, too, keeps.
    sim::VirtualPrinter again(c.brand, model, *loaded);
    const auto reloaded = sim::state_file::fromJson(sim::state_file::toJson(again.memory()), &error);
    ASSERT_TRUE(reloaded) << error.toStdString();
    EXPECT_TRUE(*reloaded == again.memory());
}

constexpr int kMax = FiscalMemory::kMaxCount;

void bothAtMax(const FiscalMemory& m) {
    EXPECT_EQ(m.drawerOpenings, kMax);
    EXPECT_EQ(m.cuts, kMax);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, StateAtItsLimits,
    ::testing::Values(
        LimitCase{"HasarXReportPast9999", Brand::Hasar, [](FiscalMemory& m) { m.lastX = 9999; }, {{0x39, {"X"}}},
                  [](const FiscalMemory& m) { EXPECT_EQ(m.lastX, 1); }},
        LimitCase{"EpsonXReportPast9999", Brand::Epson, [](FiscalMemory& m) { m.lastX = 9998; },
                  {{0x39, {"X"}}, {0x39, {"X"}}}, [](const FiscalMemory& m) { EXPECT_EQ(m.lastX, 1); }},
        LimitCase{"HasarDrawerAndCutterCounters", Brand::Hasar,
                  [](FiscalMemory& m) { m.drawerOpenings = m.cuts = kMax - 1; },
                  {{0x7B, {}}, {0x7B, {}}, {0x48, {}}, {0x4B, {}}, {0x4B, {}}, {0x4A, {}}},
                  bothAtMax},
        LimitCase{"EpsonDrawerAndCutterCounters", Brand::Epson,
                  [](FiscalMemory& m) { m.drawerOpenings = m.cuts = kMax; }, {{0x7B, {}}, {0x4B, {}}},
                  bothAtMax},
        LimitCase{"HasarDayCountersAndNumbers", Brand::Hasar,
                  [](FiscalMemory& m) {
                      m.day.fiscal = m.day.nonFiscal = m.day.cancelled = kMax;
                      m.last.b = m.last.nonFiscal = 99'999'999;
                  },
                  {{0x40, {"T", "T"}}, {0x42, kHasarItem}, {0x45, {}}, {0x48, {}}, {0x4A, {}}, {0x40, {"T", "T"}}, {0x98, {}}},
                  [](const FiscalMemory& m) {
                      EXPECT_EQ(m.last.b, 2u);
                      EXPECT_EQ(m.day.fiscal, kMax);
                  }},
        LimitCase{"HasarCustomerNameBeyondLatin1", Brand::Hasar, [](FiscalMemory&) {},
                  {{0x62, {"Cli\x9F" "ente", "30712345671", "I", "C"}}},
                  [](const FiscalMemory& m) {
                      ASSERT_TRUE(m.customer);
                      EXPECT_EQ(m.customer->name, QStringLiteral("Cli\u0192ente"));
                  }},
        LimitCase{"EpsonItemsOnADocument", Brand::Epson, [](FiscalMemory&) {},
                  {{0x40, {"C"}}, {0x42, kEpsonItem}, {0x42, kEpsonItem}},
                  [](const FiscalMemory& m) { ASSERT_TRUE(m.open); EXPECT_EQ(m.open->items, 2); }},
        LimitCase{"EpsonFivePayments", Brand::Epson, [](FiscalMemory&) {},
                  {{0x40, {"C"}}, {0x42, kEpsonItem}, {0x44, {"EFECTIVO", "1", "T"}}, {0x44, {"EFECTIVO", "1", "T"}},
                   {0x44, {"EFECTIVO", "1", "T"}}, {0x44, {"EFECTIVO", "1", "T"}}, {0x44, {"EFECTIVO", "1", "T"}}},
                  [](const FiscalMemory& m) { ASSERT_TRUE(m.open); EXPECT_EQ(m.open->payments, 5); }},
        LimitCase{"EpsonPassportBuyer", Brand::Epson, [](FiscalMemory&) {}, {{0x60, epsonOpen("T", "PASAPORTE", kDel)}},
                  [](const FiscalMemory& m) { ASSERT_TRUE(m.customer); EXPECT_EQ(m.customer->idType, "PASAPO"); }},
        LimitCase{"EpsonCreditNoteLongReference", Brand::Epson, [](FiscalMemory&) {},
                  {{0x60, epsonOpen("M", "CUIT", QByteArray(45, 'R'))}},
                  [](const FiscalMemory& m) {
                      ASSERT_TRUE(m.open);
                      EXPECT_EQ(m.embark[0].size(), 40);
                  }}),
    named_case::testName);

}  // namespace
