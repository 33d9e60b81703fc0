#include "hasar_harness.h"

#include <sim/hasar_status.h>

QByteArray HasarHarness::Reply::field(int n) const {
    if (!frame || n < 1 || n > frame->fields.size()) return {};
    return frame->fields[n - 1];
}

quint16 HasarHarness::Reply::fiscalStatus() const {
    return static_cast<quint16>(field(2).toUInt(nullptr, 16));
}

bool HasarHarness::Reply::accepted() const {
    return frame && (fiscalStatus() & sim::hasar::kSummarised) == 0;
}

HasarHarness::Reply HasarHarness::send(quint8 command, QList<QByteArray> fields, qint64 waitMs) {
    seq = frame::nextSeq(seq);
    return exchange(frame::make(seq, command, std::move(fields)), waitMs);
}

HasarHarness::Reply HasarHarness::sendRaw(const QByteArray& raw) {
    QList<QByteArray> fields;
    if (raw.size() > 1) {
        fields = raw.mid(1).split(frame::FS);
        fields.removeFirst();  // the text after the command starts with an FS
    }
    return send(static_cast<quint8>(raw[0]), fields);
}

HasarHarness::Reply HasarHarness::resend(quint8 command, QList<QByteArray> fields) {
    return exchange(frame::make(seq, command, std::move(fields)), 0);
}

HasarHarness::Reply HasarHarness::exchange(const frame::Frame& request, qint64 waitMs) {
    printer.receive(frame::encode(request), nowMs);
    nowMs += waitMs;
    frame::Decoder decoder;
    for (const sim::Output& out : printer.link().takeDue(nowMs)) decoder.feed(out.bytes);
    paper += printer.paper().take();
    Reply reply;
    while (auto item = decoder.next()) {
        if (item->kind == frame::Received::Kind::Control && item->control == frame::ACK) reply.acknowledged = true;
        if (item->kind == frame::Received::Kind::Frame) reply.frame = item->frame;
    }
    // As a driver does: the printer takes nothing more until its reply is acknowledged.
    if (reply.frame) printer.receive(QByteArray(1, frame::ACK), nowMs);
    nowMs += 10;
    return reply;
}

QStringList HasarHarness::newPaper() {
    const QStringList fresh = paper.mid(taken_);
    taken_ = paper.size();
    return fresh;
}
