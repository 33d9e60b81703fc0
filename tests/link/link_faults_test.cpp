#include "support/driver_error_of.h"
#include "drivers/epson/epson_link.h"
#include "drivers/error_numbers.h"
#include "drivers/hasar/hasar_choices.h"
#include "drivers/link/link.h"
#include "link/link_test_support.h"
#include "link/scripted_printer.h"
#include "support/named_case.h"

#include <QElapsedTimer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using Fault = ScriptedPrinter::Fault;

// A brand's own link settings with the short time limits of the tests.
LinkOptions fast(LinkOptions o) {
    const LinkOptions quick = fastLinkOptions(o.printerAcks);
    o.replyTimeoutMs = quick.replyTimeoutMs;
    o.firstSeq = quick.firstSeq;
    return o;
}

class LinkFaults : public ::testing::TestWithParam<LinkBrand> {
protected:
    const LinkOptions options = GetParam().options;
    ScriptedPrinter printer{options.printerAcks};
    Link link{printer, options};

    void SetUp() override {
        link.open(1);
        printer.seen.clear();
        printer.executed.clear();
        printer.written.clear();
    }

    int errorNumberOf(const std::function<void()>& call) {
        return driverErrorOf(call, &lastError);
    }

    QString lastError;
};

TEST_P(LinkFaults, ANakedFrameIsSentAgainWithItsSequenceNumber) {
    printer.inject(Fault::Nak);
    const frame::Frame reply = link.exchange(0x39, {"X"});
    ASSERT_EQ(printer.seen.size(), 2);
    EXPECT_EQ(printer.seen[0], printer.seen[1]);
    EXPECT_EQ(reply.seq, printer.seen[0].seq);
    EXPECT_EQ(printer.executed.size(), 1);
}

TEST_P(LinkFaults, ALostReplyIsFetchedAgainWithoutASecondExecution) {
    printer.inject(Fault::DropReply);
    QElapsedTimer clock;
    clock.start();
    const frame::Frame reply = link.exchange(0x45);
    EXPECT_GE(clock.elapsed(), options.replyTimeoutMs - 5);
    ASSERT_EQ(printer.seen.size(), 2);
    EXPECT_EQ(printer.seen[1].seq, printer.seen[0].seq);
    EXPECT_EQ(printer.executed.size(), 1);
    EXPECT_EQ(reply.command, 0x45);
}

TEST_P(LinkFaults, ADamagedReplyIsRefusedWithNakAndTakenWhenResent) {
    printer.inject(Fault::CorruptReply);
    const frame::Frame reply = link.exchange(0x2A);
    EXPECT_EQ(reply.fields, (QList<QByteArray>{"0080", "0600"}));
    EXPECT_TRUE(printer.written.contains(frame::NAK));
    EXPECT_EQ(printer.seen.size(), 1);
    EXPECT_EQ(printer.executed.size(), 1);
}

TEST_P(LinkFaults, BusyBytesLongerThanTheTimeLimitDoNotCountAsSilence) {
    printer.busyMs = options.replyTimeoutMs * 4;
    printer.busyIntervalMs = options.replyTimeoutMs / 3;
    printer.inject(Fault::Busy);
    // The window's timers keep running while the call waits.
    int ticks = 0;
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, [&] { ++ticks; });
    repaint.start(10);
    QElapsedTimer clock;
    clock.start();
    link.exchange(0x39, {"Z"});
    EXPECT_GE(clock.elapsed(), printer.busyMs);
    EXPECT_EQ(printer.seen.size(), 1);
    EXPECT_GT(ticks, 10);
}

TEST_P(LinkFaults, BusyBytesWithoutEndStopAtTheCommandLimit) {
    Link limited{printer, [this] {
        LinkOptions o = options;
        o.commandLimitMs = options.replyTimeoutMs * 3;
        return o;
    }()};
    printer.busyMs = options.replyTimeoutMs * 20;
    printer.busyIntervalMs = options.replyTimeoutMs / 4;
    printer.inject(Fault::Busy);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(errorNumberOf([&] { limited.exchange(0x39, {"Z"}); }), error_number::kPrinterStuck);
    EXPECT_GE(clock.elapsed(), options.replyTimeoutMs * 3 - 5);
    EXPECT_LT(clock.elapsed(), options.replyTimeoutMs * 5);
    EXPECT_EQ(printer.seen.size(), 1);
}

TEST_P(LinkFaults, SilenceEndsInAnErrorAfterEverySendHasTimedOut) {
    for (int i = 0; i < options.maxSends; ++i) printer.inject(Fault::Silent);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(errorNumberOf([&] { link.exchange(0x2A); }), error_number::kNoAnswer);
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(lastError, QStringLiteral("El impresor fiscal no responde en COM1 (simulado) a 9600 baudios, 8N1: revise que esté encendido, el cable y el adaptador, y que el modelo y el puerto elegidos sean los del impresor"));
    EXPECT_EQ(printer.seen.size(), options.maxSends);
    for (const frame::Frame& f : printer.seen) EXPECT_EQ(f.seq, printer.seen[0].seq);
    EXPECT_GE(elapsed, options.maxSends * options.replyTimeoutMs - 5);
    EXPECT_LT(elapsed, 2 * options.maxSends * options.replyTimeoutMs);
    EXPECT_FALSE(link.isOpen());
}

TEST_P(LinkFaults, ADeviceThatOnlyChattersFailsWithinTheReplyLimitAsNoPrinter) {
    printer.chattyMs = options.replyTimeoutMs * options.maxSends * 10;
    for (int i = 0; i < options.maxSends; ++i) printer.inject(Fault::Chatty);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(errorNumberOf([&] { link.exchange(0x2A); }), error_number::kNotAFiscalPrinter);
    EXPECT_LT(clock.elapsed(), 2 * options.maxSends * options.replyTimeoutMs);
    EXPECT_TRUE(lastError.contains(QStringLiteral("no habla el protocolo de los impresores fiscales %1")
                                       .arg(options.brand)))
        << lastError.toStdString();
    EXPECT_TRUE(lastError.contains(QStringLiteral("ST,GS,+0001.25kg<0D><0A>"))) << lastError.toStdString();
    EXPECT_FALSE(link.isOpen());
}

TEST_P(LinkFaults, BytesOutsideTheProtocolBeforeTheReplyDoNotSpoilIt) {
    printer.inject(Fault::GarbageFirst);
    const frame::Frame reply = link.exchange(0x39, {"X"});
    EXPECT_EQ(reply.seq, printer.seen[0].seq);
    EXPECT_EQ(printer.seen.size(), 1);
}

TEST_P(LinkFaults, AFrameLargerThanADecoderTakesIsRefusedBeforeAnythingIsSent) {
    const QByteArray longest(frame::kMaxFrameBytes - 5, 'x');  // STX SEQ CMD FS field ETX
    link.exchange(0x49, {longest});
    printer.written.clear();
    EXPECT_EQ(errorNumberOf([&] { link.exchange(0x49, {longest + 'x'}); }), error_number::kFieldNotSendable);
    EXPECT_TRUE(lastError.contains(QString::number(frame::kMaxFrameBytes))) << lastError.toStdString();
    EXPECT_TRUE(printer.written.isEmpty());
}

TEST_P(LinkFaults, AStaleReplyWithThePreviousNumberIsDiscarded) {
    link.exchange(0x2A);
    printer.inject(Fault::StaleReplyFirst);
    const frame::Frame reply = link.exchange(0x39, {"X"});
    EXPECT_EQ(reply.seq, printer.seen.last().seq);
    EXPECT_FALSE(reply.fields.contains("viejo"));
    EXPECT_EQ(printer.seen.size(), 2);
}

TEST_P(LinkFaults, AFrameNakedOnEverySendIsAnError) {
    for (int i = 0; i < options.maxSends; ++i) printer.inject(Fault::Nak);
    EXPECT_EQ(errorNumberOf([&] { link.exchange(0x2A); }), error_number::kGarbledLink);
    EXPECT_EQ(printer.seen.size(), options.maxSends);
    EXPECT_TRUE(printer.executed.isEmpty());
}

TEST_P(LinkFaults, APortThatBreaksDuringTheWaitEndsTheCommandAtOnce) {
    printer.inject(Fault::Vanish);
    EXPECT_EQ(errorNumberOf([&] { link.exchange(0x39, {"Z"}); }), error_number::kPortLost);
    EXPECT_EQ(printer.seen.size(), 1);
    EXPECT_TRUE(lastError.contains(QStringLiteral("se desconectó")));
    EXPECT_EQ(errorNumberOf([&] { link.exchange(0x2A); }), error_number::kPortNotOpen);
}

TEST_P(LinkFaults, AbortEndsTheWaitAndEveryLaterOneWithoutSendingMore) {
    printer.inject(Fault::Silent);
    QTimer::singleShot(20, [&] { link.abort(); });
    EXPECT_EQ(errorNumberOf([&] { link.exchange(0x39, {"Z"}); }), error_number::kAborted);
    EXPECT_EQ(lastError, QStringLiteral("Operación interrumpida: se cerró la ventana"));
    const QByteArray sent = printer.written;
    EXPECT_EQ(errorNumberOf([&] { link.exchange(0x2A); }), error_number::kAborted);
    EXPECT_EQ(errorNumberOf([&] { link.open(1); }), error_number::kAborted);
    EXPECT_EQ(printer.written, sent);
    EXPECT_EQ(printer.seen.size(), 1);
}

TEST_P(LinkFaults, EachNewCommandTakesTheNextNumberAndWraps) {
    QList<quint8> seqs;
    for (int i = 0; i < 100; ++i) seqs << link.exchange(0x2A).seq;
    // open() used 0x20 for its status request.
    EXPECT_EQ(seqs.first(), 0x20 + options.seqStep);
    for (int i = 1; i < seqs.size(); ++i) EXPECT_EQ(seqs[i], frame::nextSeq(seqs[i - 1], options.seqStep));
    EXPECT_EQ(printer.executed.size(), 100);
}

TEST_P(LinkFaults, TheHostAcknowledgesRepliesOnlyWhenThePrinterDoes) {
    const frame::Frame reply = link.exchange(0x2A);
    const QByteArray request = frame::encode(printer.seen[0]);
    const QByteArray expected = options.printerAcks ? request + frame::ACK : request;
    EXPECT_EQ(printer.written, expected);
    EXPECT_EQ(reply.seq, printer.seen[0].seq);
}

// A reply arriving between commands is the printer repeating one whose ACK it missed: it takes
// no command until it has one.
TEST_P(LinkFaults, AReplyRepeatedBetweenCommandsIsAcknowledgedWhereThePrinterWaitsForIt) {
    link.exchange(0x2A);
    printer.written.clear();
    printer.repeatLastReply();
    const QByteArray expected = options.printerAcks ? QByteArray(1, frame::ACK) : QByteArray();
    QElapsedTimer clock;
    clock.start();
    while (printer.written.isEmpty() && clock.elapsed() < options.replyTimeoutMs * 5)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(printer.written, expected);
}

// Paper out lasts as long as the technician takes; flow-control bytes say nothing about the command.
TEST_P(LinkFaults, PaperOutStopsTheCommandLimitAndFlowBytesKeepNoWaitAlive) {
    const struct {
        const char* name;
        Fault fault;
        int error;
    } rows[] = {
        {"paper out beyond the limit", Fault::PaperOut, 0},
        {"only DC1", Fault::FlowOnly, error_number::kNoAnswer},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LinkOptions o = options;
        // Well beyond every send's silence together, shorter than the paper change.
        o.commandLimitMs = options.replyTimeoutMs * options.maxSends * 3;
        ScriptedPrinter peer{options.printerAcks};
        Link limited{peer, o};
        limited.open(1);
        peer.busyMs = o.commandLimitMs * 2;
        peer.busyIntervalMs = options.replyTimeoutMs / 4;
        for (int i = 0; i < options.maxSends; ++i) peer.inject(row.fault);
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(errorNumberOf([&] { limited.exchange(0x39, {"Z"}); }), row.error) << lastError.toStdString();
        if (row.error == 0) {
            EXPECT_GE(clock.elapsed(), peer.busyMs);
        }
    }
}

TEST_P(LinkFaults, AControlByteInAFieldIsRefusedBeforeAnythingIsSent) {
    EXPECT_EQ(errorNumberOf([&] { link.exchange(0x49, {"linea\nsiguiente", "0"}); }), error_number::kFieldNotSendable);
    EXPECT_TRUE(lastError.startsWith(QStringLiteral("No se puede enviar el comando 0x49")));
    EXPECT_TRUE(printer.written.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Brands, LinkFaults,
                         ::testing::Values(LinkBrand{"Hasar", fast(hasar_choice::linkOptions())},
                                           LinkBrand{"Epson", fast(epsonLinkOptions())}),
                         named_case::testName);

class LinkOpening : public ::testing::Test {
protected:
    ScriptedPrinter printer{true};
    Link link{printer, fastLinkOptions(true)};
};

TEST_F(LinkOpening, OpeningSynchronisesWithOneStatusRequest) {
    link.open(2);
    ASSERT_EQ(printer.seen.size(), 1);
    EXPECT_EQ(printer.seen[0].command, 0x2A);
    EXPECT_TRUE(link.isOpen());
}

// Nothing on the port is told quickly, while a printer that is there but busy gets its full time.
TEST(LinkProbe, TheOpeningRequestWaitsLessUnlessThePrinterShowsItIsThere) {
    const struct {
        const char* name;
        Fault fault;
        bool opens;
        qint64 withinMs;
    } rows[] = {
        {"nothing answers", Fault::Silent, false, 700},
        {"busy printer", Fault::Busy, true, 2500},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedPrinter printer{true};
        LinkOptions options = fastLinkOptions(true);
        options.replyTimeoutMs = 1000;
        options.probeReplyTimeoutMs = 150;
        printer.busyMs = 900;
        printer.busyIntervalMs = 300;
        for (int i = 0; i < options.maxSends; ++i) printer.inject(row.fault);
        Link link(printer, options);
        QElapsedTimer clock;
        clock.start();
        QString why;
        EXPECT_EQ(driverErrorOf([&] { link.open(1); }, &why) == 0, row.opens) << why.toStdString();
        EXPECT_LT(clock.elapsed(), row.withinMs);
        EXPECT_EQ(link.isOpen(), row.opens);
    }
}

// The window hears of a long hold once, and of its end; a short one is not worth a word.
TEST(LinkHold, ALongHoldIsToldOnceAndItsEndToo) {
    const struct {
        const char* name;
        int busyMs;
        QList<Link::Hold> told;
    } rows[] = {
        {"short", 100, {}},
        {"long", 600, {Link::Hold::Busy, Link::Hold::None}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedPrinter printer{true};
        LinkOptions options = fastLinkOptions(true);
        options.replyTimeoutMs = 500;
        options.holdNoticeMs = 250;
        Link link(printer, options);
        link.open(1);
        QList<Link::Hold> told;
        QObject::connect(&link, &Link::held, [&](Link::Hold hold) { told << hold; });
        printer.busyMs = row.busyMs;
        printer.busyIntervalMs = 50;
        printer.inject(Fault::Busy);
        link.exchange(0x39, {"X"});
        EXPECT_EQ(told, row.told);
    }
}

// The brand is told from the ACK, but only when a second answer agrees: one ACK lost on the line,
// or one stray 0x06, names no other brand.
TEST(LinkBrand, TheOtherBrandIsNamedOnlyWhenTwoAnswersAgree) {
    const struct {
        const char* name;
        bool linkAcks;
        bool printerAcks;
        QList<Fault> faults;
        int error;
        qsizetype requests;
    } rows[] = {
        {"Hasar as chosen", true, true, {}, 0, 1},
        {"Hasar whose first ACK is lost", true, true, {Fault::WrongAck}, 0, 2},
        {"Epson with a stray ACK before its first answer", false, false, {Fault::WrongAck}, 0, 2},
        {"Epson where a Hasar was chosen", true, false, {}, error_number::kOtherProtocol, 2},
        {"Hasar where an Epson was chosen", false, true, {}, error_number::kOtherProtocol, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedPrinter printer{row.printerAcks};
        for (Fault f : row.faults) printer.inject(f);
        LinkOptions options = row.linkAcks ? fast(hasar_choice::linkOptions()) : fast(epsonLinkOptions());
        Link link(printer, options);
        QString why;
        EXPECT_EQ(driverErrorOf([&] { link.open(1); }, &why), row.error) << why.toStdString();
        EXPECT_EQ(printer.seen.size(), row.requests);
        EXPECT_EQ(link.isOpen(), row.error == 0);
        if (row.error) {
            EXPECT_TRUE(why.contains(QStringLiteral("habla el protocolo %1").arg(row.printerAcks ? "Hasar" : "Epson")))
                << why.toStdString();
        }
    }
}

// A Hasar answers DC3 to a command longer than its buffer takes: no resend can help.
TEST(LinkTooLong, DC3FromTheHasarFailsTheCommandAtOnce) {
    ScriptedPrinter printer{true};
    Link link(printer, fast(hasar_choice::linkOptions()));
    link.open(1);
    printer.seen.clear();
    printer.inject(Fault::TooLong);
    QString why;
    EXPECT_EQ(driverErrorOf([&] { link.exchange(0x49, {"texto", "0"}); }, &why), error_number::kCommandTooLong);
    EXPECT_EQ(why, QStringLiteral("El impresor fiscal en COM1 (simulado) rechazó el comando 0x49: comando demasiado "
                                  "largo para su búfer. Acorte sus textos o campos y vuelva a enviarlo"));
    // Not sent again: the command failed before its reply's time ran out.
    EXPECT_EQ(printer.seen.size(), 1);
}

TEST_F(LinkOpening, ASilentPrinterAtOpeningLeavesThePortClosed) {
    for (int i = 0; i < 3; ++i) printer.inject(Fault::Silent);
    try {
        link.open(2);
        FAIL() << "open succeeded";
    } catch (const DriverError& e) {
        EXPECT_EQ(e.number(), error_number::kNoAnswer);
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("El impresor fiscal no responde en COM2 ("))) << e.description().toStdString();
    }
    EXPECT_FALSE(link.isOpen());
}

TEST_F(LinkOpening, ACommandWithoutAnOpenPortIsAnError) {
    EXPECT_THROW(link.exchange(0x2A), DriverError);
    EXPECT_TRUE(printer.written.isEmpty());
}

}  // namespace
