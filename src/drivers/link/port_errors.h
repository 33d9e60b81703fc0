#pragma once

#include "drivers/operation_error.h"

#include <QSerialPort>
#include <QString>

// The errors of a serial port that would not open or went away, each naming the COM number, the
// device behind it and what the technician can do about it.
namespace port_error {

struct Port {
    int comPort = 0;
    QString device;
    // "COM1 (/dev/ttyUSB0)"
    QString label() const;
};

// A port that would not open, from Qt SerialPort's code. Qt reports a device this user may not
// open and one another program holds with the same code, so `accessible` tells them apart.
DriverError openFailed(QSerialPort::SerialPortError code, const Port& port, bool accessible,
                       const QString& systemReason);
// No device at that name; lists the devices that are there.
DriverError missing(const Port& port);
// True for the codes that mean an open port is gone (unplugged, or the adapter stopped
// answering the system); the others leave it usable.
bool failsOpenPort(QSerialPort::SerialPortError code);
// The words for such a failure, as the link reports the lost connection.
QString vanishedReason(QSerialPort::SerialPortError code);

}  // namespace port_error
