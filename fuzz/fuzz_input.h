#pragma once

#include <drivers/link/frame.h>

#include <QByteArray>
#include <QList>
#include <cstddef>
#include <cstdint>

// Turns raw fuzz input into the shapes the decoders take.
namespace fuzz_input {

inline QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// One command per chunk (chunks separated by LF): the command byte, then fields separated by
// FS. Control bytes other than FS are dropped, since no frame can carry them.
inline QList<frame::Frame> frames(const QByteArray& input) {
    QList<frame::Frame> result;
    quint8 seq = frame::kSeqFirst;
    for (const QByteArray& chunk : input.split('\n')) {
        if (chunk.isEmpty()) continue;
        QByteArray fieldBytes;
        for (char c : chunk.mid(1))
            if (static_cast<quint8>(c) >= 0x20 || c == frame::FS) fieldBytes.append(c);
        QList<QByteArray> fields = fieldBytes.isEmpty() ? QList<QByteArray>{} : fieldBytes.split(frame::FS);
        result.append(frame::make(seq, static_cast<quint8>(chunk[0]), std::move(fields)));
        seq = frame::nextSeq(seq);
    }
    return result;
}

}  // namespace fuzz_input
