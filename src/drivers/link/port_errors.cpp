#include "port_errors.h"

#include "drivers/error_numbers.h"
#include "serial_devices.h"

#include <QFileInfo>
#include <QStringList>

namespace port_error {

namespace {

enum class Kind { Missing, Forbidden, InUse, Vanished, Unusable };

// Qt SerialPort's error codes and what each means here; a code not listed is an unusable device.
struct CodeMeaning {
    QSerialPort::SerialPortError code;
    Kind kind;
    const char* reason;  // for a port that fails while open
};
constexpr CodeMeaning kCodes[] = {
    {QSerialPort::DeviceNotFoundError, Kind::Missing, "el dispositivo ya no existe"},
    {QSerialPort::PermissionError, Kind::Forbidden, "sin permiso"},
    {QSerialPort::ResourceError, Kind::Vanished, "el dispositivo se desconectó"},
    {QSerialPort::ReadError, Kind::Vanished, "error de lectura"},
    {QSerialPort::WriteError, Kind::Vanished, "error de escritura"},
};

const CodeMeaning* meaning(QSerialPort::SerialPortError code) {
    for (const CodeMeaning& entry : kCodes) {
        if (entry.code == code) return &entry;
    }
    return nullptr;
}

Kind openKind(QSerialPort::SerialPortError code, bool accessible) {
    const CodeMeaning* entry = meaning(code);
    if (!entry) return Kind::Unusable;
#ifdef Q_OS_WIN
    // Windows answers "access denied" for a port another program holds.
    if (entry->kind == Kind::Forbidden) return Kind::InUse;
#endif
    if (entry->kind == Kind::Forbidden && accessible) return Kind::InUse;
    return entry->kind;
}

QString foundDevices() {
    QStringList lines;
    for (const SerialDevice& d : serialDevices()) lines << QStringLiteral("  ") + deviceSummary(d);
    if (lines.isEmpty()) return QStringLiteral("No se encontró ningún dispositivo serie conectado.");
    return QStringLiteral("Dispositivos serie encontrados:\n") + lines.join(QLatin1Char('\n'));
}

DriverError forbidden(const Port& port) {
    const QString group = QFileInfo(port.device).group();
    if (group.isEmpty())
        return DriverError(error_number::kPortForbidden,
                           QStringLiteral("No tiene permiso para abrir el puerto %1: pida a quien administra el equipo "
                                          "acceso a ese dispositivo")
                               .arg(port.label()));
    return DriverError(error_number::kPortForbidden,
                       QStringLiteral("No tiene permiso para abrir el puerto %1 (grupo %2): agregue su usuario al "
                                      "grupo %2 (sudo usermod -aG %2 $USER) y vuelva a iniciar la sesión")
                           .arg(port.label(), group));
}

}  // namespace

QString Port::label() const { return QStringLiteral("COM%1 (%2)").arg(comPort).arg(device); }

DriverError openFailed(QSerialPort::SerialPortError code, const Port& port, bool accessible,
                       const QString& systemReason) {
    switch (openKind(code, accessible)) {
    case Kind::Missing: return missing(port);
    case Kind::Forbidden: return forbidden(port);
    case Kind::InUse:
        return DriverError(error_number::kPortBusy,
                           QStringLiteral("El puerto %1 está en uso por otro programa: ciérrelo (u otra ventana de "
                                          "Orbelo) y vuelva a intentar")
                               .arg(port.label()));
    case Kind::Vanished:
    case Kind::Unusable: break;
    }
    return DriverError(error_number::kPortOpenFailed,
                       QStringLiteral("No se pudo abrir el puerto %1: no es un puerto serie utilizable (%2). Elija otro "
                                      "puerto o asigne otro dispositivo con orbelo --asignar %3=DISPOSITIVO")
                           .arg(port.label(), systemReason)
                           .arg(port.comPort));
}

DriverError missing(const Port& port) {
    return DriverError(error_number::kPortMissing,
                       QStringLiteral("No existe el dispositivo %1 del puerto COM%2. %3\nPara usar otro dispositivo en "
                                      "COM%2: orbelo --asignar %2=DISPOSITIVO (por ejemplo /dev/ttyUSB0)")
                           .arg(port.device)
                           .arg(port.comPort)
                           .arg(foundDevices()));
}

bool failsOpenPort(QSerialPort::SerialPortError code) {
    const CodeMeaning* entry = meaning(code);
    return entry && (entry->kind == Kind::Vanished || entry->kind == Kind::Missing);
}

QString vanishedReason(QSerialPort::SerialPortError code) {
    const CodeMeaning* entry = meaning(code);
    return QString::fromUtf8(entry && entry->kind == Kind::Vanished ? entry->reason : "el dispositivo se desconectó");
}

}  // namespace port_error
