#include "line_pacer.h"

#include <utility>

void LinePacer::push(const QByteArray& bytes, qint64 nowMs) {
    // An idle line starts the clock again; a busy one queues behind what is still going out.
    if (queued_.isEmpty()) startUs_ = nowMs * 1000;
    queued_.append(bytes);
}

QByteArray LinePacer::release(qint64 nowMs) {
    if (baud_ <= 0) return std::exchange(queued_, {});
    qsizetype n = 0;
    while (n < queued_.size() && startUs_ + doneAtUs(n) <= nowMs * 1000) ++n;
    const QByteArray out = queued_.left(n);
    queued_.remove(0, n);
    startUs_ += n * 10'000'000LL / baud_;
    return out;
}

std::optional<qint64> LinePacer::nextRelease() const {
    if (queued_.isEmpty()) return std::nullopt;
    if (baud_ <= 0) return 0;
    return (startUs_ + doneAtUs(0) + 999) / 1000;
}
