#pragma once

#include "line_speeds.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

// The device a COM number leads to. The program decides how (variable, settings or the system's
// default name); the drivers only keep the COM number.
using PortResolver = std::function<QString(int comPort)>;
// The line speed in baud a COM number works at.
using SpeedResolver = std::function<int(int comPort)>;

// A byte pipe to a printer: the serial port in the program, a scripted printer in tests. Bytes
// arrive through a signal, so a waiting caller must run an event loop.
class Transport : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Opens the pipe for a COM number, closing it first if open; DriverError when it cannot.
    virtual void open(int comPort) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Queues the bytes for sending; DriverError when the pipe is closed or broken.
    virtual void write(const QByteArray& bytes) = 0;
    // Hands what write() queued to the device, waiting at most `ms`: an acknowledgement must
    // leave now, not with the next command or never (closing drops what is still queued).
    virtual void flush(int ms) { Q_UNUSED(ms); }
    // How errors name the pipe, for example "COM3 (/dev/ttyS2)".
    virtual QString label() const = 0;
    // The line speed in baud, as errors name it; 0 for a device that has none (a USB printer port).
    virtual int speed() const { return kDefaultBaud; }
    // Sets the open line's speed; false when the pipe cannot change it or the system refused it.
    virtual bool setSpeed(int baud) {
        Q_UNUSED(baud);
        return false;
    }

signals:
    void received(const QByteArray& bytes);
    // The pipe broke and has closed itself; the text says why, in Spanish.
    void failed(const QString& why);
};
