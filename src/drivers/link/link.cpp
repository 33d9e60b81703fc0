#include "link.h"

#include "link_errors.h"
#include "link_trace.h"
#include "transport.h"

#include "drivers/error_numbers.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <algorithm>

namespace {

// How much of what a foreign device sent the error quotes.
constexpr qsizetype kStraySampleBytes = 24;
// An acknowledgement is one byte; this bound only matters for a line that takes no bytes.
constexpr int kAckFlushMs = 200;

quint8 randomSeq() {
    return static_cast<quint8>(QRandomGenerator::global()->bounded(int(frame::kSeqFirst), int(frame::kSeqLast) + 1));
}

}  // namespace

Link::Link(Transport& transport, LinkOptions options, QObject* parent)
    : QObject(parent),
      transport_(transport),
      options_(std::move(options)),
      nextSeq_(options_.firstSeq.value_or(randomSeq())) {
    replyLimitMs_ = options_.replyTimeoutMs;
    maxSends_ = options_.maxSends;
    holdTimer_.setSingleShot(true);
    connect(&holdTimer_, &QTimer::timeout, this, [this] {
        holdShown_ = true;
        emit held(hold_);
    });
    replyTimer_.setSingleShot(true);
    replyTimer_.setTimerType(Qt::PreciseTimer);
    connect(&replyTimer_, &QTimer::timeout, this, &Link::stopWaiting);
    commandTimer_.setSingleShot(true);
    commandTimer_.setTimerType(Qt::PreciseTimer);
    connect(&commandTimer_, &QTimer::timeout, this, [this] {
        command_.overLimit = true;
        stopWaiting();
    });
    connect(&transport_, &Transport::received, this, &Link::onReceived);
    connect(&transport_, &Transport::failed, this, &Link::onFailed);
}

void Link::openPort(int comPort) {
    if (aborted_) throw link_error::aborted();
    if (inExchange_) throw link_error::busy();
    close();
    comPort_ = comPort;
    failure_.clear();
    transport_.open(comPort);
    // Half a frame from the last session is not the start of this one's.
    decoder_.reset();
}

void Link::open(int comPort) {
    openPort(comPort);
    const int portSpeed = transport_.speed();
    try {
        synchronise();
    } catch (const DriverError& e) {
        transport_.close();
        if (e.number() == error_number::kNoAnswer && !options_.searchSpeeds.isEmpty()) searchSpeeds(portSpeed);
        throw;
    }
}

void Link::reopen() { open(comPort_); }

void Link::close() { transport_.close(); }

void Link::check(quint8 command, const QList<QByteArray>& fields) {
    if (const QString problem = frame::fieldProblem(frame::make(frame::kSeqFirst, command, fields)); !problem.isEmpty())
        throw link_error::fieldNotSendable(command, problem);
}

bool Link::isOpen() const { return transport_.isOpen(); }

frame::Frame Link::exchange(quint8 command, const QList<QByteArray>& fields) {
    if (aborted_) throw link_error::aborted();
    if (inExchange_) throw link_error::busy();
    if (!failure_.isEmpty()) failAndClose(link_error::portLost(transport_.label(), failure_));
    if (!transport_.isOpen()) throw link_error::portNotOpen();

    check(command, fields);
    const frame::Frame request = frame::make(nextSeq_, command, fields);
    const QByteArray bytes = frame::encode(request);
    nextSeq_ = frame::nextSeq(nextSeq_, options_.seqStep);

    inExchange_ = true;
    struct Leave {
        Link& link;
        ~Leave() {
            link.inExchange_ = false;
            link.commandTimer_.stop();
            link.endHold();
        }
    } leave{*this};

    // Anything that came before this command belongs to an earlier one; a frame still arriving
    // is decoded on, so a repeated reply is acknowledged and not taken for noise.
    inbox_.clear();
    command_ = {};
    commandTimer_.start(options_.commandLimitMs);
    int sends = 0;
    int damaged = 0;
    QElapsedTimer roundTrip;
    roundTrip.start();
    send(bytes);
    ++sends;
    for (;;) {
        if (waitForItem() == Wait::Timeout) {
            if (sends >= maxSends_) failSilent();
            decoder_.reset();
            send(bytes);
            ++sends;
            continue;
        }
        const frame::Received item = std::move(inbox_.front());
        inbox_.pop_front();
        switch (item.kind) {
        case frame::Received::Kind::Control:
            // ACK and busy bytes only keep the wait alive; a NAK asks for the frame again.
            noteHold(item.control);
            if (item.control == frame::ACK) command_.ackSeen = true;
            // The printer refused the frame as longer than its buffer takes: no resend helps.
            if (item.control == frame::DC3)
                throw link_error::commandTooLong(transport_.label(), command);
            if (item.control == frame::NAK) {
                if (sends >= maxSends_) failAndClose(link_error::garbled(transport_.label()));
                send(bytes);
                ++sends;
            }
            break;
        case frame::Received::Kind::BadFrame:
            if (++damaged >= maxSends_) failAndClose(link_error::garbled(transport_.label()));
            send(QByteArray(1, frame::NAK));
            break;
        case frame::Received::Kind::Frame:
            endHold();
            if (options_.printerAcks) acknowledge();
            // A reply with another number answers an earlier command: not ours.
            if (item.frame.seq == request.seq) {
                if (link_trace::active())
                    link_trace::exchange(transport_.label(), command,
                                         QString::fromUtf8(options_.commandName ? options_.commandName(command) : ""),
                                         sends, roundTrip.elapsed(),
                                         options_.statusWords ? options_.statusWords(item.frame.fields) : QString());
                emit replied(item.frame);
                return item.frame;
            }
            break;
        }
    }
}

void Link::pause(int ms) {
    if (aborted_) throw link_error::aborted();
    if (inExchange_) throw link_error::busy();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop_ = &loop;
    loop.exec();
    loop_ = nullptr;
    if (aborted_) throw link_error::aborted();
}

void Link::abort() {
    aborted_ = true;
    stopWaiting();
}

Link::Wait Link::waitForItem() {
    if (aborted_) throw link_error::aborted();
    if (!failure_.isEmpty()) failAndClose(link_error::portLost(transport_.label(), failure_));
    // Checked before the inbox: busy bytes keep arriving from a stuck printer.
    if (command_.overLimit) failAndClose(link_error::stuck(transport_.label(), options_.commandLimitMs / 1000));
    if (!inbox_.empty()) return Wait::Item;
    replyTimer_.start(replyLimitMs_);
    QEventLoop loop;
    loop_ = &loop;
    loop.exec();
    loop_ = nullptr;
    replyTimer_.stop();
    if (aborted_) throw link_error::aborted();
    if (!failure_.isEmpty()) failAndClose(link_error::portLost(transport_.label(), failure_));
    if (command_.overLimit) failAndClose(link_error::stuck(transport_.label(), options_.commandLimitMs / 1000));
    if (!inbox_.empty()) return Wait::Item;
    return Wait::Timeout;
}

void Link::send(const QByteArray& bytes) {
    if (aborted_) throw link_error::aborted();
    link_trace::bytes(transport_.label(), true, bytes);
    transport_.write(bytes);
}

void Link::acknowledge() {
    send(QByteArray(1, frame::ACK));
    // The printer takes no command until it has this byte: it must not wait for the next one.
    transport_.flush(kAckFlushMs);
}

void Link::onReceived(const QByteArray& bytes) {
    link_trace::bytes(transport_.label(), false, bytes);
    const qsizetype stray = decoder_.feed(bytes);
    if (!inExchange_) return acknowledgeBetweenExchanges();
    qsizetype flowBytes = 0;
    while (std::optional<frame::Received> item = decoder_.next()) {
        // Flow-control bytes are no answer; only a Hasar's DC3 says something, about the command.
        const bool control = item->kind == frame::Received::Kind::Control;
        if (control && (item->control == frame::DC1 || item->control == frame::DC3)) {
            ++flowBytes;
            if (item->control == frame::DC1 || !options_.printerAcks) continue;
        }
        inbox_.push_back(std::move(*item));
    }
    if (stray > 0) {
        command_.strayBytes += stray;
        if (command_.straySample.size() < kStraySampleBytes) command_.straySample.append(bytes.left(kStraySampleBytes - command_.straySample.size()));
    }
    // Only the protocol restarts the time limit, busy bytes included: a chatty device that is
    // no printer must not hold the wait open, nor do flow-control bytes.
    if (stray + flowBytes < bytes.size()) {
        command_.protocolSeen = true;
        // The printer is there: busy bytes at opening earn the full limit.
        replyLimitMs_ = options_.replyTimeoutMs;
        if (replyTimer_.isActive()) replyTimer_.start(replyLimitMs_);
    }
    if (!inbox_.empty()) stopWaiting();
}

void Link::acknowledgeBetweenExchanges() {
    // Nobody waits: keep nothing, so a noisy idle line cannot pile up memory. A reply arriving
    // now is one the printer repeats because its ACK went astray; it blocks until it has one.
    bool ack = false;
    while (std::optional<frame::Received> item = decoder_.next())
        ack = ack || (item->kind == frame::Received::Kind::Frame && options_.printerAcks);
    if (!ack || aborted_ || !transport_.isOpen()) return;
    try {
        send(QByteArray(1, frame::ACK));
    } catch (const DriverError&) {
        // The port broke; the next command reports it.
    }
}

void Link::failSilent() {
    if (command_.strayBytes > 0 && !command_.protocolSeen)
        failAndClose(link_error::notAFiscalPrinter(transport_.label(), options_.brand, command_.straySample));
    failAndClose(link_error::noAnswer(transport_.label(), transport_.speed()));
}

void Link::onFailed(const QString& why) {
    failure_ = why;
    stopWaiting();
}

void Link::stopWaiting() {
    if (loop_) loop_->quit();
}

void Link::failAndClose(const DriverError& error) {
    failure_.clear();
    transport_.close();
    throw error;
}

void Link::noteHold(char control) {
    if (control != frame::DC2 && control != frame::DC4) {
        resumeCommandLimit();
        return;
    }
    const Hold now = control == frame::DC4 ? Hold::NoPaper : Hold::Busy;
    // A paper change takes as long as it takes: the command limit stops while paper is missing.
    if (now == Hold::NoPaper && !command_.paperOutLeftMs && commandTimer_.isActive()) {
        command_.paperOutLeftMs = commandTimer_.remainingTime();
        commandTimer_.stop();
    }
    if (now == Hold::Busy) resumeCommandLimit();
    if (holdShown_ && now != hold_) emit held(now);
    hold_ = now;
    if (!holdShown_ && !holdTimer_.isActive()) holdTimer_.start(options_.holdNoticeMs);
}

void Link::resumeCommandLimit() {
    if (!command_.paperOutLeftMs) return;
    commandTimer_.start(std::max(*command_.paperOutLeftMs, 0));
    command_.paperOutLeftMs.reset();
}

void Link::endHold() {
    resumeCommandLimit();
    holdTimer_.stop();
    hold_ = Hold::None;
    if (!holdShown_) return;
    holdShown_ = false;
    emit held(Hold::None);
}
