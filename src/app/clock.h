#pragma once

#include <QDateTime>

// The computer's clock, read through an interface so tests can stand at any instant.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
