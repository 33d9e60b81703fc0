#include "port_commands.h"

#include "drivers/link/line_speeds.h"
#include "drivers/link/serial_devices.h"
#ifndef Q_OS_WIN
#include "drivers/link/printer_port.h"
#endif
#include "port_device.h"

#include <QFileInfo>
#include <QStringList>

namespace {

// Longer than any device path a system gives; a longer value is a mistake, not a device.
constexpr int kMaxDeviceLength = 255;

// Whether the device is there now. Windows keeps no node for a COM name; its port list tells.
bool present(const QString& device) {
    if (QFileInfo::exists(device)) return true;
#ifdef Q_OS_WIN
    // The system lists "\\.\COM7" where a technician writes "COM7".
    const auto bare = [](const QString& path) { return path.startsWith(QLatin1String("\\\\.\\")) ? path.mid(4) : path; };
    for (const SerialDevice& d : serialDevices())
        if (bare(d.path).compare(bare(device), Qt::CaseInsensitive) == 0) return true;
#endif
    return false;
}

// "COM1 → /dev/serial/by-id/usb-FTDI → /dev/ttyUSB0 (configuración)", and "(no existe)" after a
// device that is not there.
QString mapping(int comPort) {
    const PortDevice port = portDevice(comPort);
    if (network_address::isNetworkAddress(port.device)) {
        QString line = QStringLiteral("COM%1 → %2 (%3) (Hasar 2G en la red)")
                           .arg(comPort)
                           .arg(network_address::withoutCredentials(port.device), portSourceText(comPort, port.source));
        if (portCredentials(comPort).given()) line += QStringLiteral(" con usuario y clave guardados");
        return line;
    }
    QString line = QStringLiteral("COM%1 → %2").arg(comPort).arg(port.device);
    const QFileInfo node(port.device);
    if (node.isSymLink() && node.exists()) line += QStringLiteral(" → ") + node.canonicalFilePath();
    line += QStringLiteral(" (%1)").arg(portSourceText(comPort, port.source));
    if (!present(port.device)) line += QStringLiteral(" (no existe)");
    if (const int baud = portSpeed(comPort); baud != kDefaultBaud) line += QStringLiteral(" a %1 baudios").arg(baud);
    return line;
}

}  // namespace

PortAssignment readPortAssignment(const QString& value) {
    const qsizetype equals = value.indexOf(QLatin1Char('='));
    // What a refusal repeats of the value: a password written in it never shows.
    const QString shown = value.left(equals + 1) + network_address::withoutCredentials(value.mid(equals + 1));
    bool isNumber = false;
    const int comPort = equals < 0 ? 0 : value.left(equals).trimmed().toInt(&isNumber);
    if (!isNumber)
        return {0, {}, QStringLiteral("'%1' no es una asignación: escriba n=RUTA, con n de %2 a %3 (por ejemplo "
                                      "1=/dev/ttyUSB0), o n= para quitarla")
                           .arg(shown)
                           .arg(kFirstComPort)
                           .arg(kLastComPort)};
    if (comPort < kFirstComPort || comPort > kLastComPort)
        return {0, {}, QStringLiteral("'%1': el puerto debe ser de %2 a %3").arg(shown).arg(kFirstComPort).arg(kLastComPort)};
    const QString device = value.mid(equals + 1);
    if (device.size() > kMaxDeviceLength)
        return {0, {}, QStringLiteral("la ruta del dispositivo de COM%1 es demasiado larga").arg(comPort)};
    for (const QChar c : device) {
        if (c.category() == QChar::Other_Control)
            return {0, {}, QStringLiteral("la ruta del dispositivo de COM%1 lleva caracteres de control").arg(comPort)};
    }
    if (device != device.trimmed())
        return {0, {}, QStringLiteral("la ruta del dispositivo de COM%1 empieza o termina en blanco").arg(comPort)};
    if (network_address::isNetworkAddress(device)) {
        QString problem;
        const auto address = network_address::parse(device, &problem);
        if (!address) return {0, {}, QStringLiteral("COM%1: %2").arg(comPort).arg(problem)};
        PortAssignment a{comPort, network_address::withoutCredentials(device), {}};
        if (address->credentials.given()) a.credentials = address->credentials;
        return a;
    }
    return {comPort, device, {}};
}

SpeedAssignment readSpeedAssignment(const QString& value) {
    const qsizetype equals = value.indexOf(QLatin1Char('='));
    bool isNumber = false;
    const int comPort = equals < 0 ? 0 : value.left(equals).trimmed().toInt(&isNumber);
    if (!isNumber)
        return {0, 0, QStringLiteral("'%1' no es una velocidad: escriba n=BAUDIOS, con n de %2 a %3 (por ejemplo "
                                     "1=19200), o n= para volver a %4")
                          .arg(value)
                          .arg(kFirstComPort)
                          .arg(kLastComPort)
                          .arg(kDefaultBaud)};
    if (comPort < kFirstComPort || comPort > kLastComPort)
        return {0, 0, QStringLiteral("'%1': el puerto debe ser de %2 a %3").arg(value).arg(kFirstComPort).arg(kLastComPort)};
    const QString speed = value.mid(equals + 1).trimmed();
    if (speed.isEmpty()) return {comPort, kDefaultBaud, {}};
    bool isSpeed = false;
    const int baud = speed.size() <= 6 ? speed.toInt(&isSpeed) : 0;
    if (!isSpeed || !isLineSpeed(baud)) {
        QStringList speeds;
        for (const int s : kLineSpeeds) speeds << QString::number(s);
        return {0, 0, QStringLiteral("'%1': la velocidad de COM%2 debe ser una de %3 baudios")
                          .arg(value)
                          .arg(comPort)
                          .arg(speeds.join(QStringLiteral(", ")))};
    }
    return {comPort, baud, {}};
}

AssignmentResult applySpeedAssignment(const SpeedAssignment& assignment) {
    if (!assignPortSpeed(assignment.comPort, assignment.baud))
        return {false, QStringLiteral("no se pudo guardar la configuración de COM%1").arg(assignment.comPort)};
    return {true, QStringLiteral("COM%1 a %2 baudios\n").arg(assignment.comPort).arg(portSpeed(assignment.comPort))};
}

AssignmentResult applyPortAssignment(const PortAssignment& assignment) {
    const bool network = network_address::isNetworkAddress(assignment.device);
    // A serial device or no assignment needs no credentials; a network address without them keeps
    // those stored.
    const bool credentialsStored =
        assignment.credentials ? assignPortCredentials(assignment.comPort, *assignment.credentials)
        : network              ? true
                               : assignPortCredentials(assignment.comPort, {});
    if (!assignPortDevice(assignment.comPort, assignment.device) || !credentialsStored)
        return {false, QStringLiteral("no se pudo guardar la configuración de COM%1").arg(assignment.comPort)};
    AssignmentResult result{true, mapping(assignment.comPort) + QLatin1Char('\n')};
    if (!network && !assignment.device.isEmpty() && !present(assignment.device))
        result.warning = QStringLiteral("aviso: %1 no existe ahora; COM%2 lo abrirá cuando esté conectado")
                             .arg(assignment.device)
                             .arg(assignment.comPort);
    return result;
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
#ifndef Q_OS_WIN
    // An Epson plugged in by USB shows here, not as a serial device.
    lines << QStringLiteral("Impresoras USB (se abren sin ajustes de línea):");
    const QStringList printers = printer_port::printerPorts();
    for (const QString& path : printers) lines << QStringLiteral("  ") + path;
    if (printers.isEmpty()) lines << QStringLiteral("  (ninguna)");
#endif
    lines << QStringLiteral("Puertos:");
    for (int com = kFirstComPort; com <= kLastComPort; ++com) lines << QStringLiteral("  ") + mapping(com);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
