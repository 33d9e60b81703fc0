#pragma once

#include "faults.h"

#include <drivers/link/frame.h>

#include <QByteArray>
#include <QList>
#include <deque>
#include <optional>

namespace sim {

// Bytes for the line, and when they are due.
struct Output {
    qint64 dueMs = 0;
    QByteArray bytes;
    bool hangUp = false;  // the line goes dead at this point
};

// One brand's commands: what the printer does with a frame that passed the link checks.
class CommandSet {
public:
    virtual ~CommandSet() = default;
    // Runs the command and returns the reply fields, the two status words first.
    virtual QList<QByteArray> execute(const frame::Frame& request, qint64 nowMs) = 0;
    // The reply of a printer whose print buffer is full, which runs nothing; empty for a brand
    // that has no such state (the command then runs as usual).
    virtual std::optional<QList<QByteArray>> bufferFull(const frame::Frame& request) {
        Q_UNUSED(request);
        return std::nullopt;
    }
    // The power goes and comes back: what the brand does with a document left open.
    virtual void cutPower(qint64 nowMs) = 0;
};

struct LinkOptions {
    bool acknowledgeFrames = true;  // Hasar ACKs every good frame; on Epson the reply is the acknowledgement
    int keepAliveMs = 500;          // DC2/DC4 interval while busy, well under the hosts' 1 s patience
    int maxWaitingFrames = 16;      // frames held while busy; more are lost, as in a full UART buffer
    // A reply the host has not answered with ACK or NAK goes again this often, and no new
    // command is taken meanwhile (Hasar); 0: the reply needs no answer (Epson).
    int replyResendMs = 0;
};

// The link side of a virtual printer, shared by both brands: frames in, ACK/NAK, exactly-once
// execution per SEQ, reply resends, busy bytes and injected faults. Time is passed in, so a
// caller sees every byte with its due time and no one sleeps.
class LinkSession {
public:
    LinkSession(CommandSet& commands, LinkOptions options) : commands_(commands), options_(options) {}

    void setFaults(FaultPlan plan) { faults_ = std::move(plan); }
    // How often an unanswered reply goes again; for a printer that waits for the host's ACK.
    void setReplyResendMs(int ms) {
        if (options_.replyResendMs > 0) options_.replyResendMs = ms;
    }

    void receive(QByteArrayView bytes, qint64 nowMs);
    // The outputs due by `nowMs`, in order. Frames that waited for a busy printer run here.
    QList<Output> takeDue(qint64 nowMs);
    // When something next becomes due; empty when nothing is pending.
    std::optional<qint64> nextDue() const;
    bool hungUp() const { return hungUp_; }
    // A reply went out and the host has not yet answered it with ACK (or NAK).
    bool awaitingAck() const { return awaitingAck_; }

private:
    void runWaiting(qint64 nowMs);
    void onItem(const frame::Received& item, qint64 now);
    void onFrame(const frame::Frame& request, qint64 now);
    void onControl(char control, qint64 now);
    void schedule(qint64 at, QByteArray bytes);
    // Sends the reply at `at`; a printer that wants it acknowledged waits for that from then on.
    void sendReply(qint64 at, QByteArray reply);
    // True while a reply sent by `now` still waits for the host's ACK or NAK.
    bool blocked(qint64 now) const { return awaitingAck_ && lastReplyDue_ <= now; }

    CommandSet& commands_;
    LinkOptions options_;
    FaultPlan faults_;
    frame::Decoder decoder_;
    std::deque<Output> outputs_;          // ordered by due time
    std::deque<frame::Received> waiting_;  // arrived while busy
    qint64 busyUntil_ = 0;
    qint64 poweredOffUntil_ = 0;  // bytes that arrive before this are lost
    std::optional<quint8> lastSeq_;
    QByteArray lastReply_;
    qint64 lastReplyDue_ = 0;
    bool awaitingAck_ = false;
    qint64 nextResend_ = 0;
    bool hungUp_ = false;
};

}  // namespace sim
