#pragma once

#include "drivers/link/frame.h"
#include "drivers/link/transport.h"
#include "drivers/operation_error.h"

#include <QList>
#include <deque>
#include <functional>
#include <optional>

// An in-process printer on the other end of the link, for either brand: it decodes what the
// host writes, executes each new sequence number once, answers from a script, and injects the
// faults a test queues. Everything it sends goes out later through the event loop, as bytes
// from a real port would.
class ScriptedPrinter : public Transport {
    Q_OBJECT

public:
    enum class Fault {
        None,            // answer as usual (holds a place in the queue)
        Nak,             // NAK the frame as if its checksum were bad
        Silent,          // read the frame and send nothing at all
        DropReply,       // execute and acknowledge, but lose the reply
        CorruptReply,    // send the reply with a bad checksum once
        StaleReplyFirst, // send a reply carrying the previous sequence number first
        Busy,            // send DC2 every busyIntervalMs for busyMs, then the reply
        Vanish,          // the port breaks while the host waits
        Chatty,          // answer nothing but a scale's weight line every chattyIntervalMs, for chattyMs
        GarbageFirst,    // send bytes outside the protocol before the usual ACK and reply
        WrongAck,        // the ACK goes astray: an acking printer's is lost, a non-acking one shows a stray 0x06
        PaperOut,        // send DC4 every busyIntervalMs for busyMs, then the reply
        FlowOnly,        // answer nothing but DC1 every busyIntervalMs for busyMs
        TooLong,         // answer DC3: the command does not fit the printer's buffer
    };

    // acksFrames: the printer ACKs every good frame (Hasar), or lets the reply acknowledge (Epson).
    explicit ScriptedPrinter(bool acksFrames);

    // The fields of the reply to a command, status words first. Default: every command accepted.
    std::function<QList<QByteArray>(const frame::Frame& request)> answer;
    // Queued faults, one per frame received, in order.
    void inject(Fault fault) { faults_.push_back(fault); }
    // Sends the last reply once more, unasked, as a printer does whose reply was not acknowledged.
    void repeatLastReply() { later(1, lastReply_); }
    // open() fails with this error.
    std::optional<DriverError> openError;
    int busyMs = 0;
    int busyIntervalMs = 0;
    int chattyMs = 0;
    int chattyIntervalMs = 10;

    // Every good frame the printer read, in order, resends included.
    QList<frame::Frame> seen;
    // The commands it executed (a resend of the last sequence number is not executed again).
    QList<frame::Frame> executed;
    // Every byte the host wrote.
    QByteArray written;
    int opens = 0;

    void open(int comPort) override;
    void close() override;
    bool isOpen() const override { return open_; }
    void write(const QByteArray& bytes) override;
    QString label() const override { return QStringLiteral("COM%1 (simulado)").arg(comPort_); }

private:
    void onFrame(const frame::Frame& request);
    void later(int ms, const QByteArray& bytes);
    std::optional<Fault> nextFault();

    bool acksFrames_;
    bool open_ = false;
    int comPort_ = 0;
    frame::Decoder decoder_;
    std::deque<Fault> faults_;
    std::optional<quint8> lastSeq_;
    QByteArray lastReply_;
};
