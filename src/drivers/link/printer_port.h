#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QSocketNotifier;

// A USB printer-class device (/dev/usb/lp0): an Epson plugged in by USB shows as one on Linux.
// It is no serial line, so every line setting fails on it ("Inappropriate ioctl for device");
// it is read and written as it is, and speaks the same protocol.
namespace printer_port {

// True when the device is such a port: its name, or that of the node a link leads to, is lpN.
bool isPrinterPort(const QString& device);

// The printer ports present now, by path.
QStringList printerPorts();

}  // namespace printer_port

// One open printer port; bytes arrive through a signal as from a serial port.
class PrinterPort : public QObject {
    Q_OBJECT

public:
    explicit PrinterPort(QObject* parent = nullptr) : QObject(parent) {}
    ~PrinterPort() override;

    // 0 when open, else the system's error number.
    int open(const QString& device);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    // Every byte handed to the device within `ms`; false (and closed) when it broke or took none.
    bool write(const QByteArray& bytes, int ms);

signals:
    void received(const QByteArray& bytes);
    // The device went away (unplugged, printer off); it is closed.
    void failed();

private:
    void onReadable();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};
