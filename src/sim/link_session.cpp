#include "link_session.h"

#include <algorithm>

namespace sim {

namespace {

// A reply field must not carry control bytes: they would end or corrupt the frame.
QList<QByteArray> printable(QList<QByteArray> fields) {
    for (QByteArray& field : fields)
        for (char& c : field)
            if (static_cast<quint8>(c) < 0x20) c = '?';
    return fields;
}

// What a line picks up between frames: neither control bytes of the protocol nor an STX.
const QByteArray kLineNoise = QByteArrayLiteral("\xFF\x7F~noise\r\n");
// A scale's weight line, every so often.
const QByteArray kWeightLine = QByteArrayLiteral("ST,GS,+0001.25kg\r\n");
constexpr int kWeightIntervalMs = 100;

QByteArray withBadChecksum(QByteArray reply) {
    char& last = reply[reply.size() - 1];
    last = last == '0' ? '1' : '0';
    return reply;
}

}  // namespace

void LinkSession::receive(QByteArrayView bytes, qint64 nowMs) {
    if (hungUp_ || nowMs < poweredOffUntil_) return;
    runWaiting(nowMs);
    decoder_.feed(bytes);
    while (auto item = decoder_.next()) {
        if (item->kind == frame::Received::Kind::Control) {
            onControl(item->control, nowMs);
        } else if (blocked(nowMs)) {
            // The line is blocked until the host answers the reply: the frame is not taken.
        } else if (nowMs < busyUntil_ || !waiting_.empty()) {
            if (static_cast<int>(waiting_.size()) < options_.maxWaitingFrames) waiting_.push_back(*item);
        } else {
            onItem(*item, nowMs);
        }
        if (hungUp_) return;
    }
}

void LinkSession::runWaiting(qint64 nowMs) {
    // Each waiting frame runs the moment the printer became free, which may set it busy again.
    while (!waiting_.empty() && busyUntil_ <= nowMs && !hungUp_) {
        // Frames that came while the printer worked find it waiting for the ACK of its reply.
        if (blocked(busyUntil_)) {
            waiting_.clear();
            return;
        }
        const frame::Received item = waiting_.front();
        waiting_.pop_front();
        onItem(item, busyUntil_);
    }
}

QList<Output> LinkSession::takeDue(qint64 nowMs) {
    runWaiting(nowMs);
    while (awaitingAck_ && !hungUp_ && nextResend_ <= nowMs) {
        schedule(nextResend_, lastReply_);
        nextResend_ += options_.replyResendMs;
    }
    QList<Output> due;
    while (!outputs_.empty() && outputs_.front().dueMs <= nowMs) {
        due.append(outputs_.front());
        outputs_.pop_front();
    }
    return due;
}

std::optional<qint64> LinkSession::nextDue() const {
    std::optional<qint64> next;
    if (!outputs_.empty()) next = outputs_.front().dueMs;
    if (!waiting_.empty() && !hungUp_) next = next ? std::min(*next, busyUntil_) : busyUntil_;
    if (awaitingAck_ && !hungUp_) next = next ? std::min(*next, nextResend_) : nextResend_;
    return next;
}

void LinkSession::schedule(qint64 at, QByteArray bytes) {
    Output out{at, std::move(bytes), false};
    const auto later = std::upper_bound(outputs_.begin(), outputs_.end(), at,
                                        [](qint64 t, const Output& o) { return t < o.dueMs; });
    outputs_.insert(later, std::move(out));
}

void LinkSession::onItem(const frame::Received& item, qint64 now) {
    if (item.kind == frame::Received::Kind::Frame)
        onFrame(item.frame, now);
    else
        schedule(now, QByteArray(1, frame::NAK));  // damaged on the way: ask for it again
}

void LinkSession::sendReply(qint64 at, QByteArray reply) {
    schedule(at, std::move(reply));
    if (options_.replyResendMs <= 0) return;
    awaitingAck_ = true;
    nextResend_ = at + options_.replyResendMs;
}

void LinkSession::onControl(char control, qint64 now) {
    // ACK and NAK answer a reply the host has seen; one still on its way (or held back by a
    // busy printer) has not been seen yet, so the byte is about something else.
    if (lastReply_.isEmpty() || lastReplyDue_ > now) return;
    if (control == frame::ACK) awaitingAck_ = false;
    // A NAK: the host got the reply damaged.
    if (control == frame::NAK) sendReply(now, lastReply_);
}

void LinkSession::onFrame(const frame::Frame& request, qint64 now) {
    const std::optional<Fault> fault = faults_.hit(request.command);
    if (fault) {
        switch (fault->kind) {
        case Fault::Kind::NakRequest: schedule(now, QByteArray(1, frame::NAK)); return;
        case Fault::Kind::Silent: return;
        case Fault::Kind::Chatty:
            for (qint64 t = now; t < now + fault->milliseconds; t += kWeightIntervalMs) schedule(t, kWeightLine);
            return;
        case Fault::Kind::PowerCut:
            // Whatever the printer was doing or about to send dies with it, the memory of the
            // last frame too: a resend after power returns is a new command.
            commands_.cutPower(now);
            outputs_.clear();
            waiting_.clear();
            decoder_.reset();
            lastSeq_.reset();
            lastReply_.clear();
            busyUntil_ = 0;
            poweredOffUntil_ = now + fault->milliseconds;
            return;
        case Fault::Kind::Disconnect:
            outputs_.push_back(Output{std::max(now, outputs_.empty() ? now : outputs_.back().dueMs), {}, true});
            hungUp_ = true;
            waiting_.clear();
            return;
        default: break;
        }
    }

    const bool noisy = fault && fault->kind == Fault::Kind::Garbage;
    if (noisy) schedule(now, kLineNoise);
    if (options_.acknowledgeFrames) schedule(now, QByteArray(1, frame::ACK));
    const auto full = fault && fault->kind == Fault::Kind::BufferFull ? commands_.bufferFull(request) : std::nullopt;
    if (full) {
        // Nothing runs; the number is spent on the refusal, so the host must send a new one.
        lastReply_ = frame::encode(frame::make(request.seq, request.command, printable(*full)));
        lastSeq_ = request.seq;
    } else if (!(lastSeq_ == request.seq && !lastReply_.isEmpty())) {
        // The same SEQ again is a retry of a command already run: answer it, do not run it twice.
        const QList<QByteArray> fields = printable(commands_.execute(request, now));
        lastReply_ = frame::encode(frame::make(request.seq, request.command, fields));
        lastSeq_ = request.seq;
    }

    qint64 replyAt = now;
    if (fault && (fault->kind == Fault::Kind::Busy || fault->kind == Fault::Kind::PaperOut)) {
        const char keepAlive = fault->kind == Fault::Kind::Busy ? frame::DC2 : frame::DC4;
        replyAt = now + fault->milliseconds;
        for (qint64 t = now; t < replyAt; t += std::max(options_.keepAliveMs, 1)) schedule(t, QByteArray(1, keepAlive));
        busyUntil_ = replyAt;
    }
    lastReplyDue_ = replyAt;
    if (fault && fault->kind == Fault::Kind::DropReply) return;
    sendReply(replyAt, fault && fault->kind == Fault::Kind::CorruptReply ? withBadChecksum(lastReply_) : lastReply_);
    if (noisy) schedule(replyAt, kLineNoise);
}

}  // namespace sim
