#include "serial_transport.h"

#include "link_errors.h"
#include "port_device.h"

#include <QFileInfo>
#include <QSerialPort>

namespace {

// The largest COM number Windows gives a port.
constexpr int kMaxComPort = 255;

QString lostReason(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::ReadError: return QStringLiteral("error de lectura");
    case QSerialPort::WriteError: return QStringLiteral("error de escritura");
    default: return QStringLiteral("el dispositivo se desconectó");
    }
}

}  // namespace

SerialTransport::SerialTransport(QObject* parent) : Transport(parent), port_(new QSerialPort(this)) {
    connect(port_, &QSerialPort::readyRead, this, &SerialTransport::onReadyRead);
    connect(port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) { onError(e); });
}

SerialTransport::~SerialTransport() = default;

void SerialTransport::open(int comPort) {
    close();
    if (comPort < 1 || comPort > kMaxComPort) throw link_error::portInvalid(comPort);
    const QString device = deviceForCom(comPort);
    label_ = QStringLiteral("COM%1 (%2)").arg(comPort).arg(device);
#ifndef Q_OS_WIN
    // QSerialPort would turn a bare name into /dev/<name>; a path is what the technician set.
    if (!QFileInfo::exists(device)) throw link_error::portMissing(label_);
#endif
    port_->setPortName(device);
    port_->setBaudRate(QSerialPort::Baud9600);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!port_->open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = port_->error();
        const QString reason = port_->errorString();
        port_->clearError();
        if (error == QSerialPort::DeviceNotFoundError) throw link_error::portMissing(label_);
        if (error == QSerialPort::PermissionError) throw link_error::portBusy(label_);
        throw link_error::portOpenFailed(label_, QStringLiteral("no es un puerto serie utilizable (%1)").arg(reason));
    }
    // Modem lines cannot be set on a pseudo-terminal; the printer does not need them there.
    port_->setDataTerminalReady(true);
    port_->setRequestToSend(true);
    port_->clearError();
}

void SerialTransport::close() {
    if (port_->isOpen()) port_->close();
}

bool SerialTransport::isOpen() const { return port_->isOpen(); }

void SerialTransport::write(const QByteArray& bytes) {
    if (!port_->isOpen()) throw link_error::portNotOpen();
    if (port_->write(bytes) != bytes.size()) {
        const QString reason = lostReason(QSerialPort::WriteError);
        port_->close();
        throw link_error::portLost(label_, reason);
    }
}

QString SerialTransport::label() const { return label_; }

void SerialTransport::onReadyRead() {
    const QByteArray bytes = port_->readAll();
    if (!bytes.isEmpty()) emit received(bytes);
}

void SerialTransport::onError(int error) {
    const auto e = static_cast<QSerialPort::SerialPortError>(error);
    if (e != QSerialPort::ReadError && e != QSerialPort::ResourceError && e != QSerialPort::WriteError) return;
    // A vanished device raises ReadError in a busy loop until the port is closed.
    if (!port_->isOpen()) return;
    port_->close();
    emit failed(lostReason(e));
}
