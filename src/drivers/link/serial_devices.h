#pragma once

#include <QList>
#include <QString>

// A serial device the system knows about, as an adapter reports itself.
struct SerialDevice {
    QString path;  // /dev/ttyUSB0, COM7
    QString description;
    QString manufacturer;
    QString vendorProduct;  // "0403:6001" for USB adapters, else empty
    QString serialNumber;
};

// Every serial device present now (adapters come and go, so it is read afresh each call).
QList<SerialDevice> serialDevices();

// The device found at that path, following links (/dev/serial/by-id/...); empty path when none.
SerialDevice findSerialDevice(const QString& path, const QList<SerialDevice>& devices);

// "/dev/ttyUSB0 · FT232R USB UART · FTDI · 0403:6001", leaving out what is unknown.
QString deviceSummary(const SerialDevice& device);
