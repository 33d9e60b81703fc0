#include "serial_devices.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace {

QString hex4(quint16 value) { return QString::number(value, 16).rightJustified(4, QLatin1Char('0')); }

// The same node whichever link names it; on Windows the name itself.
QString canonical(const QString& path) {
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? path : resolved;
}

}  // namespace

QList<SerialDevice> serialDevices() {
    QList<SerialDevice> out;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialDevice d;
        d.path = info.systemLocation();
        d.description = info.description();
        d.manufacturer = info.manufacturer();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            d.vendorProduct = hex4(info.vendorIdentifier()) + QLatin1Char(':') + hex4(info.productIdentifier());
        d.serialNumber = info.serialNumber();
        out << d;
    }
    return out;
}

SerialDevice findSerialDevice(const QString& path, const QList<SerialDevice>& devices) {
    const QString wanted = canonical(path);
    for (const SerialDevice& d : devices) {
        if (d.path == path || canonical(d.path) == wanted) return d;
    }
    return {};
}

QString deviceSummary(const SerialDevice& device) {
    QStringList parts{device.path};
    for (const QString& part : {device.description, device.manufacturer, device.vendorProduct}) {
        if (!part.isEmpty() && !parts.contains(part)) parts << part;
    }
    return parts.join(QStringLiteral(" · "));
}
