#include "serial_transport.h"

#include "link_errors.h"
#include "link_trace.h"
#include "port_errors.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QSerialPort>
#include <QTimer>

#ifndef Q_OS_WIN
#include "printer_port.h"

#include <cerrno>
#include <cstring>
#endif

namespace {

// The largest COM number Windows gives a port.
constexpr int kMaxComPort = 255;
// What may still be queued at closing is an acknowledgement or a short frame; once in the
// system's driver it goes out even after the close. The bound only matters for a line that
// no longer takes bytes.
constexpr int kCloseFlushMs = 200;
// A printer port takes a frame at once or never; this bound only matters for one that stopped.
constexpr int kPrinterPortWriteMs = 1000;

}  // namespace

SerialTransport::SerialTransport(PortResolver resolver, SpeedResolver speeds)
    : resolver_(std::move(resolver)), speeds_(std::move(speeds)), port_(new QSerialPort(this)) {
    connect(port_, &QSerialPort::readyRead, this, &SerialTransport::onReadyRead);
    connect(port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) { onError(e); });
#ifndef Q_OS_WIN
    printer_ = new PrinterPort(this);
    connect(printer_, &PrinterPort::received, this, &Transport::received);
    connect(printer_, &PrinterPort::failed, this,
            [this] { emit failed(QStringLiteral("la impresora USB se desconectó o se apagó")); });
#endif
}

SerialTransport::~SerialTransport() = default;

void SerialTransport::open(int comPort) {
    close();
    if (comPort < 1 || comPort > kMaxComPort) throw link_error::portInvalid(comPort);
    openDevice(comPort, resolver_(comPort), speeds_ ? speeds_(comPort) : kDefaultBaud);
}

void SerialTransport::openDevice(int comPort, const QString& device, int baud) {
    close();
    const port_error::Port port{comPort, device};
    label_ = port.label();
#ifndef Q_OS_WIN
    // QSerialPort would turn a bare name into /dev/<name>; a path is what the technician set.
    if (!QFileInfo::exists(device)) throw port_error::missing(port);
    if (printer_port::isPrinterPort(device)) return openPrinterPort(comPort, device);
#endif
    port_->setPortName(device);
    port_->setBaudRate(baud);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!port_->open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = port_->error();
        const QString reason = port_->errorString();
        port_->clearError();
        const QFileInfo node(device);
        // The technician reads the reason in Spanish; the system's own words stay in the trace.
        link_trace::note(label_, QStringLiteral("el sistema no abrió el puerto: ") + reason);
#ifndef Q_OS_WIN
        // A device that takes no line settings under another name may still be a printer port.
        if (error == QSerialPort::UnsupportedOperationError) return openPrinterPort(comPort, device);
#endif
        throw port_error::openFailed(error, port, {node.isReadable() && node.isWritable(), node.group()}, reason);
    }
    // Modem lines cannot be set on a pseudo-terminal; the printer does not need them there.
    port_->setDataTerminalReady(true);
    port_->setRequestToSend(true);
    port_->clearError();
    link_trace::note(label_, QStringLiteral("abierto a %1 baudios, 8N1").arg(port_->baudRate()));
}

void SerialTransport::openPrinterPort(int comPort, const QString& device) {
#ifdef Q_OS_WIN
    Q_UNUSED(comPort);
    Q_UNUSED(device);
#else
    const port_error::Port port{comPort, device + QStringLiteral(" · impresora USB")};
    label_ = port.label();
    if (const int e = printer_->open(device); e != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(e));
        link_trace::note(label_, QStringLiteral("el sistema no abrió la impresora USB: ") + reason);
        const QFileInfo node(device);
        const QSerialPort::SerialPortError code = e == ENOENT                  ? QSerialPort::DeviceNotFoundError
                                                  : e == EACCES || e == EBUSY ? QSerialPort::PermissionError
                                                                              : QSerialPort::OpenError;
        throw port_error::openFailed(code, port, {node.isReadable() && node.isWritable(), node.group()}, reason);
    }
    link_trace::note(label_, QStringLiteral("abierto como impresora USB, sin ajustes de línea"));
#endif
}

bool SerialTransport::printerPortOpen() const {
#ifdef Q_OS_WIN
    return false;
#else
    return printer_ && printer_->isOpen();
#endif
}

void SerialTransport::close() {
#ifndef Q_OS_WIN
    if (printerPortOpen()) printer_->close();
#endif
    if (!port_->isOpen()) return;
    flush(kCloseFlushMs);
    port_->close();
}

void SerialTransport::flush(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (port_->isOpen() && port_->bytesToWrite() > 0) {
        const qint64 left = ms - clock.elapsed();
        if (left <= 0) break;
#ifdef Q_OS_WIN
        // Qt's Windows port completes writes through its event notifier; a blocking wait on it
        // crashed under Wine, so the bytes are let out by the event loop instead.
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(left), &loop, &QEventLoop::quit);
        connect(port_, &QSerialPort::bytesWritten, &loop, &QEventLoop::quit);
        connect(port_, &QSerialPort::errorOccurred, &loop, &QEventLoop::quit);
        loop.exec();
#else
        if (!port_->waitForBytesWritten(static_cast<int>(left))) break;
#endif
    }
}

bool SerialTransport::isOpen() const { return port_->isOpen() || printerPortOpen(); }

void SerialTransport::write(const QByteArray& bytes) {
#ifndef Q_OS_WIN
    if (printerPortOpen()) {
        if (!printer_->write(bytes, kPrinterPortWriteMs))
            throw link_error::portLost(label_, QStringLiteral("la impresora USB dejó de aceptar datos"));
        return;
    }
#endif
    if (!port_->isOpen()) throw link_error::portNotOpen();
    if (port_->write(bytes) != bytes.size()) {
        port_->close();
        throw link_error::portLost(label_, port_error::vanishedReason(QSerialPort::WriteError));
    }
}

QString SerialTransport::label() const { return label_; }

int SerialTransport::speed() const { return printerPortOpen() ? kDefaultBaud : int(port_->baudRate()); }

bool SerialTransport::setSpeed(int baud) {
    // A printer port has no line speed to set.
    if (!port_->isOpen() || !port_->setBaudRate(baud)) {
        port_->clearError();
        return false;
    }
    link_trace::note(label_, QStringLiteral("ahora a %1 baudios").arg(baud));
    return true;
}

void SerialTransport::onReadyRead() {
    const QByteArray bytes = port_->readAll();
    if (!bytes.isEmpty()) emit received(bytes);
}

void SerialTransport::onError(int error) {
    const auto e = static_cast<QSerialPort::SerialPortError>(error);
    if (!port_error::failsOpenPort(e)) return;
    // A vanished device raises ReadError in a busy loop until the port is closed.
    if (!port_->isOpen()) return;
    port_->close();
    emit failed(port_error::vanishedReason(e));
}
