// The lasting conditions of the virtual Epson: a weak battery warns and stops nothing; a Z due
// stops fiscal documents, with bit 11 alone, until the Z is taken, and survives a restart.

#include <sim/epson_command_set.h>
#include <sim/state_file.h>

#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

using named_case::PrintTo;

constexpr quint16 kBatteryLow = 1 << 2;
constexpr quint16 kErrorsBelowBit8 = 0x01FF & ~kBatteryLow;
constexpr quint16 kZRequired = 1 << 11;
constexpr quint16 kSummary = 1 << 15;
constexpr qint64 kNow = 1'780'000'000'000;

// One Epson over its own memory and roll, spoken to frame by frame.
struct Epson {
    explicit Epson(sim::FiscalMemory m = {}, sim::Conditions c = {}) : memory(std::move(m)), commands(memory, paper, c) {}

    quint16 send(quint8 command, QList<QByteArray> fields = {}) {
        const QList<QByteArray> reply = commands.execute(frame::make(0x20, command, std::move(fields)), kNow);
        return static_cast<quint16>(reply.value(1).toUInt(nullptr, 16));
    }

    sim::FiscalMemory memory;
    sim::PaperRoll paper;
    sim::EpsonCommandSet commands;
};

struct Command {
    const char* name;
    quint8 code;
    QList<QByteArray> fields;
};

// Commands that run whether a Z is due or not, in an order that leaves nothing open at the end.
// The clock is set first, while the day has no documents.
const QList<Command> kRunWithAZDue{
    {"Status", 0x2A, {"N"}},          {"SetClock", 0x58, {"270315", "093000"}}, {"Clock", 0x59, {}},
    {"OpenNonFiscal", 0x48, {}},      {"NonFiscalText", 0x49, {"Texto"}},       {"CutInNonFiscal", 0x4B, {}},
    {"CloseNonFiscal", 0x4A, {"T"}},  {"ReportX", 0x39, {"X"}},                 {"GlobalReport", 0x3B, {"00001", "00001", "T"}},
    {"Drawer", 0x7B, {}},             {"Feed", 0x50, {"3"}}};

// A printer with one Z in its fiscal memory, so a global report has a range to print.
sim::FiscalMemory oneZTaken() {
    sim::FiscalMemory m;
    m.zRecords.append(sim::ZRecord{1, QDate(2026, 1, 1), {}});
    m.lastZ = 1;
    return m;
}

const QList<Command> kFiscalOpenings{{"Ticket", 0x40, {"C"}},
                                     {"TicketInvoice", 0x60, {"T", "C", "B", "1", "P", "10", "I", "F"}}};

class EpsonZDue : public ::testing::TestWithParam<Command> {};

TEST_P(EpsonZDue, RefusesAFiscalDocumentWithBit11AloneUntilTheZ) {
    sim::FiscalMemory due = oneZTaken();
    due.zDue = true;
    Epson e(due);
    for (const Command& c : kRunWithAZDue) {
        const quint16 status = e.send(c.code, c.fields);
        EXPECT_EQ(status & (kZRequired | kSummary), kZRequired | kSummary) << c.name;
        EXPECT_EQ(status & kErrorsBelowBit8, 0) << c.name;
    }
    const Command& opening = GetParam();
    const quint16 refused = e.send(opening.code, opening.fields);
    EXPECT_EQ(refused & (0x00FF | kZRequired), kZRequired) << std::hex << refused;
    EXPECT_FALSE(e.memory.open.has_value());

    // Kept over a restart on the state file until the Z clears it.
    QString error;
    const auto reloaded = sim::state_file::fromJson(sim::state_file::toJson(e.memory), &error);
    ASSERT_TRUE(reloaded) << error.toStdString();
    Epson again(*reloaded);
    EXPECT_TRUE(again.send(0x2A, {"N"}) & kZRequired);
    EXPECT_EQ(again.send(0x39, {"Z"}) & kErrorsBelowBit8, 0);
    EXPECT_EQ(again.send(0x2A, {"N"}) & (kZRequired | kSummary), 0);
    EXPECT_EQ(again.send(opening.code, opening.fields) & kErrorsBelowBit8, 0);
    EXPECT_TRUE(again.memory.open.has_value());
}

INSTANTIATE_TEST_SUITE_P(, EpsonZDue, ::testing::ValuesIn(kFiscalOpenings), named_case::testName);

TEST(EpsonConditions, AnOlderStateFileHasNoZDue) {
    sim::FiscalMemory due;
    due.zDue = true;
    QJsonObject json = sim::state_file::toJson(due);
    json.remove(QStringLiteral("z_due"));
    QString error;
    const auto loaded = sim::state_file::fromJson(json, &error);
    ASSERT_TRUE(loaded) << error.toStdString();
    EXPECT_FALSE(loaded->zDue);
}

TEST(EpsonConditions, AWeakBatteryWarnsOnEveryReplyAndEveryCommandRuns) {
    Epson e(oneZTaken(), sim::Conditions{true, false});
    QList<Command> all = kRunWithAZDue;
    all += Command{"Ticket", 0x40, {"C"}};
    all += Command{"CancelTicket", 0x44, {"", "0", "C"}};
    all += Command{"ReportZ", 0x39, {"Z"}};
    for (const Command& c : all) {
        const quint16 status = e.send(c.code, c.fields);
        EXPECT_EQ(status & (kBatteryLow | kSummary), kBatteryLow | kSummary) << c.name;
        EXPECT_EQ(status & kErrorsBelowBit8, 0) << c.name << " " << std::hex << status;
    }
    EXPECT_EQ(e.memory.lastZ, 2);
    EXPECT_EQ(e.memory.day.cancelled, 0);  // the Z started a new day after the cancelled ticket
}

}  // namespace
