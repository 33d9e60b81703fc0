#pragma once

#include "drivers/link/frame.h"

#include <QObject>

class Link;

// Fiscal status bit 8 of every Hasar reply: 30 daily closes or fewer left in the fiscal memory,
// which the maker asks the host to watch and tell. Told on every reply that has it (so a window
// that showed another printer meanwhile shows it again), and once when it goes.
class HasarMemoryNotice : public QObject {
    Q_OBJECT

public:
    explicit HasarMemoryNotice(Link& link);

    bool almostFull() const { return almostFull_; }

signals:
    void reported(bool almostFull);

private:
    void onReply(const frame::Frame& reply);

    bool almostFull_ = false;
};
