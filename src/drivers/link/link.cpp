#include "link.h"

#include "link_errors.h"
#include "link_trace.h"
#include "transport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <algorithm>

namespace {

// How much of what a foreign device sent the error quotes.
constexpr qsizetype kStraySampleBytes = 24;

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
        overLimit_ = true;
        stopWaiting();
    });
    connect(&transport_, &Transport::received, this, &Link::onReceived);
    connect(&transport_, &Transport::failed, this, &Link::onFailed);
}

void Link::open(int comPort) {
    if (aborted_) throw link_error::aborted();
    if (inExchange_) throw link_error::busy();
    close();
    comPort_ = comPort;
    failure_.clear();
    transport_.open(comPort);
    replyLimitMs_ = std::min(options_.probeReplyTimeoutMs, options_.replyTimeoutMs);
    try {
        exchange(options_.syncCommand, options_.syncFields);
    } catch (...) {
        replyLimitMs_ = options_.replyTimeoutMs;
        transport_.close();
        throw;
    }
    replyLimitMs_ = options_.replyTimeoutMs;
    // A Hasar acknowledges every frame and an Epson never does: the answer tells the protocol.
    if (ackSeen_ != options_.printerAcks)
        failAndClose(link_error::otherProtocol(transport_.label(), options_.brand, ackSeen_));
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

    // Anything that came before this command belongs to an earlier one.
    decoder_.reset();
    inbox_.clear();
    overLimit_ = false;
    strayBytes_ = 0;
    straySample_.clear();
    protocolSeen_ = false;
    ackSeen_ = false;
    commandTimer_.start(options_.commandLimitMs);
    int sends = 0;
    int damaged = 0;
    QElapsedTimer roundTrip;
    roundTrip.start();
    send(bytes);
    ++sends;
    for (;;) {
        if (waitForItem() == Wait::Timeout) {
            if (sends >= options_.maxSends) failSilent();
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
            if (item.control == frame::ACK) ackSeen_ = true;
            if (item.control == frame::NAK) {
                if (sends >= options_.maxSends) failAndClose(link_error::garbled(comPort_));
                send(bytes);
                ++sends;
            }
            break;
        case frame::Received::Kind::BadFrame:
            if (++damaged >= options_.maxSends) failAndClose(link_error::garbled(comPort_));
            send(QByteArray(1, frame::NAK));
            break;
        case frame::Received::Kind::Frame:
            endHold();
            if (options_.printerAcks) send(QByteArray(1, frame::ACK));
            // A reply with another number answers an earlier command: not ours.
            if (item.frame.seq == request.seq) {
                link_trace::exchange(transport_.label(), command,
                                     QString::fromUtf8(options_.commandName ? options_.commandName(command) : ""), sends,
                                     roundTrip.elapsed());
                return item.frame;
            }
            break;
        }
    }
}

void Link::abort() {
    aborted_ = true;
    stopWaiting();
}

Link::Wait Link::waitForItem() {
    if (aborted_) throw link_error::aborted();
    if (!failure_.isEmpty()) failAndClose(link_error::portLost(transport_.label(), failure_));
    // Checked before the inbox: busy bytes keep arriving from a stuck printer.
    if (overLimit_) failAndClose(link_error::stuck(comPort_, options_.commandLimitMs / 1000));
    if (!inbox_.empty()) return Wait::Item;
    replyTimer_.start(replyLimitMs_);
    QEventLoop loop;
    loop_ = &loop;
    loop.exec();
    loop_ = nullptr;
    replyTimer_.stop();
    if (aborted_) throw link_error::aborted();
    if (!failure_.isEmpty()) failAndClose(link_error::portLost(transport_.label(), failure_));
    if (overLimit_) failAndClose(link_error::stuck(comPort_, options_.commandLimitMs / 1000));
    if (!inbox_.empty()) return Wait::Item;
    return Wait::Timeout;
}

void Link::send(const QByteArray& bytes) {
    if (aborted_) throw link_error::aborted();
    link_trace::bytes(transport_.label(), true, bytes);
    transport_.write(bytes);
}

void Link::onReceived(const QByteArray& bytes) {
    link_trace::bytes(transport_.label(), false, bytes);
    // Nobody waits: keep nothing, so a noisy idle line cannot pile up memory.
    if (!inExchange_) return;
    const qsizetype stray = decoder_.feed(bytes);
    while (std::optional<frame::Received> item = decoder_.next()) inbox_.push_back(std::move(*item));
    if (stray > 0) {
        strayBytes_ += stray;
        if (straySample_.size() < kStraySampleBytes) straySample_.append(bytes.left(kStraySampleBytes - straySample_.size()));
    }
    // Only the protocol restarts the time limit, busy bytes included: a chatty device that is
    // no printer must not hold the wait open.
    if (stray < bytes.size()) {
        protocolSeen_ = true;
        // The printer is there: busy bytes at opening earn the full limit.
        replyLimitMs_ = options_.replyTimeoutMs;
        if (replyTimer_.isActive()) replyTimer_.start(replyLimitMs_);
    }
    if (!inbox_.empty()) stopWaiting();
}

void Link::failSilent() {
    if (strayBytes_ > 0 && !protocolSeen_)
        failAndClose(link_error::notAFiscalPrinter(comPort_, options_.brand, straySample_));
    failAndClose(link_error::noAnswer(transport_.label()));
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
    if (control != frame::DC2 && control != frame::DC4) return;
    const Hold now = control == frame::DC4 ? Hold::NoPaper : Hold::Busy;
    if (holdShown_ && now != hold_) emit held(now);
    hold_ = now;
    if (!holdShown_ && !holdTimer_.isActive()) holdTimer_.start(options_.holdNoticeMs);
}

void Link::endHold() {
    holdTimer_.stop();
    hold_ = Hold::None;
    if (!holdShown_) return;
    holdShown_ = false;
    emit held(Hold::None);
}
