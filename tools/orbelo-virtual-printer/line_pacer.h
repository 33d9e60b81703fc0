#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

// Releases bytes at the pace of a serial line (10 bits per byte: start, 8 data, stop), or all
// at once when no baud rate is set.
class LinePacer {
public:
    explicit LinePacer(int baud = 0) : baud_(baud) {}

    void push(const QByteArray& bytes, qint64 nowMs);
    QByteArray release(qint64 nowMs);
    std::optional<qint64> nextRelease() const;
    // A line that moved to another speed (nothing queued then: it moves after a reply's ACK).
    void setBaud(int baud) { baud_ = baud; }
    qsizetype queued() const { return queued_.size(); }

private:
    // Microseconds after `start_` at which byte i of `queued_` has fully left the line.
    qint64 doneAtUs(qsizetype i) const { return (i + 1) * 10'000'000LL / baud_; }

    int baud_;
    QByteArray queued_;
    qint64 startUs_ = 0;
};
