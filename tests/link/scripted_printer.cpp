#include "scripted_printer.h"

#include <QTimer>

ScriptedPrinter::ScriptedPrinter(bool acksFrames) : acksFrames_(acksFrames) {
    answer = [](const frame::Frame&) { return QList<QByteArray>{"0080", "0600"}; };
}

void ScriptedPrinter::open(int comPort) {
    comPort_ = comPort;
    if (openError) throw *openError;
    open_ = true;
    ++opens;
}

void ScriptedPrinter::close() { open_ = false; }

void ScriptedPrinter::write(const QByteArray& bytes) {
    if (!open_) throw DriverError(0, QStringLiteral("write on a closed port"));
    written += bytes;
    decoder_.feed(bytes);
    while (std::optional<frame::Received> item = decoder_.next()) {
        switch (item->kind) {
        case frame::Received::Kind::Frame: onFrame(item->frame); break;
        case frame::Received::Kind::BadFrame: later(1, QByteArray(1, frame::NAK)); break;
        case frame::Received::Kind::Control:
            // The host found the reply damaged: send it again.
            if (item->control == frame::NAK && !lastReply_.isEmpty()) later(1, lastReply_);
            break;
        }
    }
}

void ScriptedPrinter::onFrame(const frame::Frame& request) {
    seen << request;
    const std::optional<Fault> fault = nextFault();
    if (fault == Fault::Nak) return later(1, QByteArray(1, frame::NAK));
    if (fault == Fault::Silent) return;
    if (fault == Fault::Chatty) {
        for (int t = 0; t < chattyMs; t += chattyIntervalMs) later(t, QByteArrayLiteral("ST,GS,+0001.25kg\r\n"));
        return;
    }
    if (fault == Fault::TooLong) return later(1, QByteArray(1, frame::DC3));
    if (fault == Fault::FlowOnly) {
        for (int t = 0; t < busyMs; t += busyIntervalMs) later(1 + t, QByteArray(1, frame::DC1));
        return;
    }
    if (fault == Fault::GarbageFirst) later(1, QByteArrayLiteral("\xFF\x00noise\r\n"));
    if (fault == Fault::Vanish) {
        QTimer::singleShot(5, this, [this] {
            open_ = false;
            emit failed(QStringLiteral("el dispositivo se desconectó"));
        });
        return;
    }

    if (acksFrames_ != (fault == Fault::WrongAck)) later(1, QByteArray(1, frame::ACK));
    // The same number as the last command is a resend: answer it again without executing.
    if (!lastSeq_ || *lastSeq_ != request.seq) {
        executed << request;
        lastSeq_ = request.seq;
        lastReply_ = frame::encode(frame::make(request.seq, request.command, answer(request)));
    }

    int at = 2;
    switch (fault.value_or(Fault::Silent)) {
    case Fault::DropReply: return;
    case Fault::CorruptReply: {
        QByteArray damaged = lastReply_;
        damaged[damaged.size() - 1] = damaged.back() == '0' ? '1' : '0';
        return later(at, damaged);
    }
    case Fault::StaleReplyFirst:
        // The number before this one, as a late reply to the previous command would carry.
        later(at++, frame::encode(frame::make(frame::nextSeq(request.seq, frame::kSeqLast - frame::kSeqFirst),
                                              request.command, {"0080", "0600", "viejo"})));
        break;
    case Fault::Busy:
    case Fault::PaperOut: {
        const char hold = *fault == Fault::Busy ? frame::DC2 : frame::DC4;
        for (int t = 0; t < busyMs; t += busyIntervalMs) later(at + t, QByteArray(1, hold));
        at += busyMs;
        break;
    }
    default: break;
    }
    later(at, lastReply_);
}

void ScriptedPrinter::later(int ms, const QByteArray& bytes) {
    QTimer::singleShot(ms, Qt::PreciseTimer, this, [this, bytes] {
        if (open_) emit received(bytes);
    });
}

std::optional<ScriptedPrinter::Fault> ScriptedPrinter::nextFault() {
    if (faults_.empty()) return std::nullopt;
    const Fault f = faults_.front();
    faults_.pop_front();
    return f;
}
