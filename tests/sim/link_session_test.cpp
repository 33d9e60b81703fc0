// The link rules both brands share, against a command set that only counts what it runs.

#include "fault_plan_of.h"
#include "support/named_case.h"

#include <sim/link_session.h>

#include <gtest/gtest.h>

namespace {

struct CountingCommands : sim::CommandSet {
    int executed = 0;
    int powerCuts = 0;
    QList<QByteArray> execute(const frame::Frame&, qint64) override {
        ++executed;
        return {"0080", "0600", QByteArray::number(executed)};
    }
    std::optional<QList<QByteArray>> bufferFull(const frame::Frame&) override { return QList<QByteArray>{"0040", "0600"}; }
    void cutPower(qint64) override { ++powerCuts; }
};

QByteArray request(quint8 seq, quint8 command = 0x2A) {
    return frame::encode(frame::make(seq, command));
}

QByteArray reply(quint8 seq, int run, quint8 command = 0x2A) {
    return frame::encode(frame::make(seq, command, {"0080", "0600", QByteArray::number(run)}));
}

const QByteArray kAck(1, frame::ACK);
const QByteArray kNak(1, frame::NAK);

struct LinkTest : ::testing::Test {
    CountingCommands commands;
    sim::LinkSession link{commands, sim::LinkOptions{}};

    QByteArray drain(qint64 now) {
        QByteArray out;
        for (const sim::Output& o : link.takeDue(now)) out += o.bytes;
        return out;
    }
};

TEST_F(LinkTest, AcknowledgesRunsAndEchoesSeqAndCommand) {
    link.receive(request(0x21), 0);
    EXPECT_EQ(drain(0), kAck + reply(0x21, 1));
}

TEST_F(LinkTest, APowerCutForgetsTheLastFrameAndHearsNothingUntilThePowerReturns) {
    link.setFaults(planOf("power-cut,cmd=45,seconds=1"));
    link.receive(request(0x21), 0);
    drain(0);
    link.receive(request(0x22, 0x45), 10);
    EXPECT_EQ(drain(10), QByteArray());
    EXPECT_EQ(commands.powerCuts, 1);
    link.receive(request(0x22, 0x45), 500);  // still dark
    EXPECT_EQ(drain(500), QByteArray());
    // Back on, the same SEQ is a new command: the printer kept no memory of the frame.
    link.receive(request(0x22, 0x45), 1100);
    EXPECT_EQ(drain(1100), kAck + reply(0x22, 2, 0x45));
    EXPECT_EQ(commands.executed, 2);
}

TEST_F(LinkTest, BadChecksumIsNakedAndNotRun) {
    QByteArray damaged = request(0x21);
    damaged[damaged.size() - 1] = damaged.endsWith('0') ? '1' : '0';
    link.receive(damaged, 0);
    EXPECT_EQ(drain(0), kNak);
    EXPECT_EQ(commands.executed, 0);
}

TEST_F(LinkTest, SameSeqAgainGetsTheStoredReplyWithoutRunning) {
    link.receive(request(0x21), 0);
    drain(0);
    link.receive(request(0x21), 5);
    EXPECT_EQ(drain(5), kAck + reply(0x21, 1));
    EXPECT_EQ(commands.executed, 1);
    link.receive(request(0x22), 6);
    EXPECT_EQ(drain(6), kAck + reply(0x22, 2));
}

TEST_F(LinkTest, NakFromHostResendsTheLastReplyAndStrayAckIsIgnored) {
    link.receive(request(0x21), 0);
    drain(0);
    link.receive(kAck + kNak, 1);
    EXPECT_EQ(drain(1), reply(0x21, 1));
    EXPECT_EQ(commands.executed, 1);
}

TEST_F(LinkTest, FrameSplitAcrossReadsIsOneCommand) {
    const QByteArray bytes = request(0x21);
    link.receive(bytes.left(3), 0);
    EXPECT_TRUE(drain(0).isEmpty());
    link.receive(bytes.mid(3), 1);
    EXPECT_EQ(drain(1), kAck + reply(0x21, 1));
}

TEST(LinkWithoutAck, TheReplyIsTheAcknowledgement) {
    CountingCommands commands;
    sim::LinkSession link(commands, sim::LinkOptions{.acknowledgeFrames = false});
    link.receive(request(0x21), 0);
    QByteArray out;
    for (const sim::Output& o : link.takeDue(0)) out += o.bytes;
    EXPECT_EQ(out, reply(0x21, 1));
}

// The maker's printer: a reply the host leaves unanswered goes again every interval, and no
// command is taken until an ACK or a NAK arrives.
TEST(LinkAwaitingAck, AnUnansweredReplyGoesAgainAndNoCommandIsTakenUntilAckOrNak) {
    CountingCommands commands;
    sim::LinkSession link(commands, sim::LinkOptions{.replyResendMs = 500});
    const auto drain = [&](qint64 now) {
        QByteArray out;
        for (const sim::Output& o : link.takeDue(now)) out += o.bytes;
        return out;
    };
    link.receive(request(0x21), 0);
    EXPECT_EQ(drain(0), kAck + reply(0x21, 1));
    EXPECT_EQ(link.nextDue(), 500);
    EXPECT_EQ(drain(1100), reply(0x21, 1) + reply(0x21, 1));
    link.receive(request(0x22), 1200);
    EXPECT_EQ(drain(1200), QByteArray());
    EXPECT_EQ(commands.executed, 1);
    link.receive(kNak, 1300);
    EXPECT_EQ(drain(1300), reply(0x21, 1));
    EXPECT_EQ(link.nextDue(), 1800);
    link.receive(kAck + request(0x22), 1400);
    EXPECT_EQ(drain(1400), kAck + reply(0x22, 2));
    link.receive(kAck, 1401);
    EXPECT_FALSE(link.nextDue().has_value());
    EXPECT_EQ(drain(5000), QByteArray());
}

TEST_F(LinkTest, BusyPrinterSendsDc2UntilTheReplyAndHoldsTheNextFrame) {
    link.setFaults(planOf("busy,seconds=2"));
    link.receive(request(0x21), 1000);
    EXPECT_EQ(commands.executed, 1);  // runs at once, answers late
    EXPECT_EQ(drain(1000), kAck + QByteArray(1, frame::DC2));
    link.receive(kNak + request(0x22), 1600);  // a NAK before any reply resends nothing
    EXPECT_EQ(drain(2999), QByteArray(3, frame::DC2));
    EXPECT_EQ(commands.executed, 1);
    EXPECT_EQ(drain(3000), reply(0x21, 1) + kAck + reply(0x22, 2));
    EXPECT_FALSE(link.nextDue().has_value());
}

// One row per fault: what the host sees for the first frame, and for the same frame sent again.
struct FaultCase {
    const char* name;
    const char* fault;
    QByteArray first;
    QByteArray retry;
    int executed;
};

// Failures name the row, not its bytes.
void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class FaultTest : public LinkTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultTest, FirstFrameHitRetryRecovers) {
    const FaultCase& c = GetParam();
    link.setFaults(planOf(c.fault));
    link.receive(request(0x21), 0);
    EXPECT_EQ(drain(10'000), c.first);
    link.receive(request(0x21), 20'000);
    EXPECT_EQ(drain(20'000), c.retry);
    EXPECT_EQ(commands.executed, c.executed);
}

const QByteArray kReply = reply(0x21, 1);

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultTest,
    ::testing::Values(
        FaultCase{"DropReply", "drop-reply", kAck, kAck + kReply, 1},
        FaultCase{"CorruptReply", "corrupt-reply", kAck + kReply.left(kReply.size() - 1) + (kReply.endsWith('0') ? "1" : "0"),
                  kAck + kReply, 1},
        FaultCase{"NakRequest", "nak-request", kNak, kAck + kReply, 1},
        FaultCase{"Silent", "silent", {}, kAck + kReply, 1},
        FaultCase{"SilentTwice", "silent,times=2", {}, {}, 0},
        FaultCase{"PaperOut", "paper-out,seconds=1", kAck + QByteArray(2, frame::DC4) + kReply, kAck + kReply, 1},
        // The number is spent on the refusal: only a new one runs the command.
        FaultCase{"BufferFull", "buffer-full", kAck + frame::encode(frame::make(0x21, 0x2A, {"0040", "0600"})),
                  kAck + frame::encode(frame::make(0x21, 0x2A, {"0040", "0600"})), 0},
        FaultCase{"OtherCommandOnly", "drop-reply,cmd=39", kAck + kReply, kAck + kReply, 1},
        FaultCase{"AfterOneFrame", "nak-request,after=1", kAck + kReply, kNak, 1}),
    named_case::testName);

TEST_F(LinkTest, CorruptedReplyIsRepairedOnNak) {
    link.setFaults(planOf("corrupt-reply"));
    link.receive(request(0x21), 0);
    drain(0);
    link.receive(kNak, 1);
    EXPECT_EQ(drain(1), reply(0x21, 1));
}

TEST_F(LinkTest, DisconnectHangsUpAndIgnoresEverythingAfter) {
    link.setFaults(planOf("disconnect,after=1"));
    link.receive(request(0x21) + request(0x22) + request(0x23), 0);
    const QList<sim::Output> out = link.takeDue(0);
    ASSERT_EQ(out.size(), 3);
    EXPECT_TRUE(out.last().hangUp);
    EXPECT_TRUE(link.hungUp());
    EXPECT_EQ(commands.executed, 1);
}

struct BadFaultCase {
    const char* name;
    const char* text;
};

// Failures name the row, not its bytes.
void PrintTo(const BadFaultCase& c, std::ostream* os) {
    *os << c.name;
}

class BadFaultText : public ::testing::TestWithParam<BadFaultCase> {};

TEST_P(BadFaultText, IsRefusedWithAReason) {
    QString error;
    EXPECT_FALSE(sim::Fault::parse(QString::fromLatin1(GetParam().text), &error));
    EXPECT_FALSE(error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Faults, BadFaultText,
                         ::testing::Values(BadFaultCase{"UnknownKind", "explode"},
                                           BadFaultCase{"UnknownSetting", "busy,colour=red"},
                                           BadFaultCase{"CommandNotHex", "busy,cmd=zz"},
                                           BadFaultCase{"CommandTooBig", "busy,cmd=100"},
                                           BadFaultCase{"NegativeTimes", "silent,times=-1"},
                                           BadFaultCase{"EndlessBusy", "busy,seconds=99999"},
                                           BadFaultCase{"BusyBeyondAnyInteger", "busy,seconds=1e300"},
                                           BadFaultCase{"PaperOutNotANumber", "paper-out,seconds=nan"},
                                           BadFaultCase{"BusyForever", "busy,seconds=inf"}),
                         named_case::testName);

}  // namespace
