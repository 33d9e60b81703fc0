#pragma once

#include "transport.h"

class PrinterPort;
class QSerialPort;

// The real pipe: a serial port at the COM number's speed (9600 baud unless set), 8 data bits, no parity, 1 stop bit and no flow
// control (software flow control would swallow 0x11 and 0x13 inside frames). A USB printer
// port (lpN) on the same COM number is opened as it is, with no line to set.
class SerialTransport : public Transport {
    Q_OBJECT

public:
    // The resolver names the device each COM number opens; `speeds` its speed (9600 when empty).
    explicit SerialTransport(PortResolver resolver, SpeedResolver speeds = {});
    ~SerialTransport() override;

    void open(int comPort) override;
    // Opens the device by name at that speed; the COM number is what errors call it.
    void openDevice(int comPort, const QString& device, int baud = kDefaultBaud);
    // Sends what is still queued (within a short bound) before the port closes.
    void close() override;
    bool isOpen() const override;
    void write(const QByteArray& bytes) override;
    void flush(int ms) override;
    QString label() const override;
    int speed() const override;
    bool setSpeed(int baud) override;

private:
    void openPrinterPort(int comPort, const QString& device);
    bool printerPortOpen() const;
    void onReadyRead();
    void onError(int error);

    PortResolver resolver_;
    SpeedResolver speeds_;
    QSerialPort* port_;
    PrinterPort* printer_ = nullptr;  // only where the system has printer ports
    QString label_;
};
