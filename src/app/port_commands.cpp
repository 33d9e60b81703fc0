#include "port_commands.h"

#include "drivers/link/serial_devices.h"
#include "port_device.h"

#include <QStringList>

namespace {

// Longer than any device path a system gives; a longer value is a mistake, not a device.
constexpr int kMaxDeviceLength = 255;

QString mapping(int comPort) {
    const PortDevice port = portDevice(comPort);
    return QStringLiteral("COM%1 → %2 (%3)").arg(comPort).arg(port.device, portSourceText(comPort, port.source));
}

}  // namespace

PortAssignment readPortAssignment(const QString& value) {
    const qsizetype equals = value.indexOf(QLatin1Char('='));
    const QString usage = QStringLiteral("'%1' no es una asignación: escriba n=RUTA, con n de %2 a %3 (por ejemplo "
                                         "1=/dev/ttyUSB0), o n= para quitarla")
                              .arg(value)
                              .arg(kFirstComPort)
                              .arg(kLastComPort);
    if (equals < 0) return {0, {}, usage};
    bool isNumber = false;
    const int comPort = value.left(equals).trimmed().toInt(&isNumber);
    if (!isNumber || comPort < kFirstComPort || comPort > kLastComPort) return {0, {}, usage};
    const QString device = value.mid(equals + 1);
    if (device.size() > kMaxDeviceLength)
        return {0, {}, QStringLiteral("la ruta del dispositivo de COM%1 es demasiado larga").arg(comPort)};
    for (const QChar c : device) {
        if (c.category() == QChar::Other_Control)
            return {0, {}, QStringLiteral("la ruta del dispositivo de COM%1 lleva caracteres de control").arg(comPort)};
    }
    if (device != device.trimmed())
        return {0, {}, QStringLiteral("la ruta del dispositivo de COM%1 empieza o termina en blanco").arg(comPort)};
    return {comPort, device, {}};
}

AssignmentResult applyPortAssignment(const PortAssignment& assignment) {
    if (!assignPortDevice(assignment.comPort, assignment.device))
        return {false, QStringLiteral("no se pudo guardar la configuración de COM%1").arg(assignment.comPort)};
    return {true, mapping(assignment.comPort) + QLatin1Char('\n')};
}

QString portsReport() {
    QStringList lines{QStringLiteral("Dispositivos serie encontrados:")};
    const QList<SerialDevice> devices = serialDevices();
    for (const SerialDevice& d : devices) {
        QString line = QStringLiteral("  ") + deviceSummary(d);
        if (!d.serialNumber.isEmpty()) line += QStringLiteral(" · nº de serie ") + d.serialNumber;
        lines << line;
    }
    if (devices.isEmpty()) lines << QStringLiteral("  (ninguno)");
    lines << QStringLiteral("Puertos:");
    for (int com = kFirstComPort; com <= kLastComPort; ++com) lines << QStringLiteral("  ") + mapping(com);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
