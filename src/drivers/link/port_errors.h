#pragma once

#include "drivers/operation_error.h"
#include "platform.h"

#include <QSerialPort>
#include <QString>

// The errors of a serial port that would not open or went away: each names the COM number and
// the device behind it, and carries the facts the program needs to say what to do about it.
namespace port_error {

struct Port {
    int comPort = 0;
    QString device;
    // "COM1 (/dev/ttyUSB0)"
    QString label() const;
};

// The device node as the system shows it to this user.
struct Node {
    bool accessible = false;  // readable and writable by this user
    QString group;            // the group that owns it; empty when unknown
};

// What the program advises on: the port, the device's group when the user may not open it, and
// the system the words are for.
struct Facts {
    int comPort = 0;
    QString device;
    QString group;
    Platform platform = kThisPlatform;
};

// A port error with its facts.
class PortError : public DriverError {
public:
    PortError(int number, QString description, Facts facts)
        : DriverError(number, std::move(description)), facts_(std::move(facts)) {}
    const Facts& facts() const noexcept { return facts_; }

private:
    Facts facts_;
};

// A port that would not open, from Qt SerialPort's code and the system's own words for it.
// Linux reports a device this user may not open and one another program holds with the same
// code, so the node tells them apart; Windows says "access denied" only for a port in use.
PortError openFailed(QSerialPort::SerialPortError code, const Port& port, const Node& node, const QString& systemReason,
                     Platform platform = kThisPlatform);
// No device at that name.
PortError missing(const Port& port, Platform platform = kThisPlatform);
// True for the codes that mean an open port is gone (unplugged, or the adapter stopped
// answering the system); the others leave it usable.
bool failsOpenPort(QSerialPort::SerialPortError code, Platform platform = kThisPlatform);
// The words for such a failure, as the link reports the lost connection.
QString vanishedReason(QSerialPort::SerialPortError code, Platform platform = kThisPlatform);

}  // namespace port_error
