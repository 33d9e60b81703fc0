#include "port_errors.h"

#include "drivers/error_numbers.h"
#include "system_text.h"

namespace port_error {

namespace {

enum class Kind { Missing, Forbidden, InUse, Vanished, Unusable };

// Qt SerialPort's error codes and what each means here; a code not listed is an unusable device.
struct CodeMeaning {
    QSerialPort::SerialPortError code;
    Kind unix;
    Kind windows;
    const char* reason;  // for a port that fails while open
};
constexpr CodeMeaning kCodes[] = {
    {QSerialPort::DeviceNotFoundError, Kind::Missing, Kind::Missing, "el dispositivo ya no existe"},
    // Windows denies access to a COM another program holds, and to the reads of an adapter that
    // was pulled out.
    {QSerialPort::PermissionError, Kind::Forbidden, Kind::InUse, "el sistema negó el acceso al dispositivo"},
    {QSerialPort::ResourceError, Kind::Vanished, Kind::Vanished, "el dispositivo se desconectó"},
    {QSerialPort::ReadError, Kind::Vanished, Kind::Vanished, "error de lectura"},
    {QSerialPort::WriteError, Kind::Vanished, Kind::Vanished, "error de escritura"},
};

const CodeMeaning* meaning(QSerialPort::SerialPortError code) {
    for (const CodeMeaning& entry : kCodes) {
        if (entry.code == code) return &entry;
    }
    return nullptr;
}

Kind kindOf(const CodeMeaning& entry, Platform platform) {
    return platform == Platform::Windows ? entry.windows : entry.unix;
}

Kind openKind(QSerialPort::SerialPortError code, bool accessible, Platform platform) {
    const CodeMeaning* entry = meaning(code);
    if (!entry) return Kind::Unusable;
    const Kind kind = kindOf(*entry, platform);
    if (kind == Kind::Forbidden && accessible) return Kind::InUse;
    // A port that fails as it opens was never usable.
    if (kind == Kind::Vanished) return Kind::Unusable;
    return kind;
}

// Windows names a port by its COM name alone when that is what Orbelo's COM n opens.
QString portName(const Port& port, Platform platform) {
    if (platform == Platform::Windows && port.device.compare(QStringLiteral("COM%1").arg(port.comPort), Qt::CaseInsensitive) == 0)
        return port.device;
    return port.label();
}

Facts factsOf(const Port& port, Platform platform, const QString& group = {}) {
    return {port.comPort, port.device, group, platform};
}

}  // namespace

QString Port::label() const { return QStringLiteral("COM%1 (%2)").arg(comPort).arg(device); }

PortError openFailed(QSerialPort::SerialPortError code, const Port& port, const Node& node, const QString& systemReason,
                     Platform platform) {
    const QString name = portName(port, platform);
    switch (openKind(code, node.accessible, platform)) {
    case Kind::Missing: return missing(port, platform);
    case Kind::Forbidden:
        return PortError(error_number::kPortForbidden,
                         node.group.isEmpty()
                             ? QStringLiteral("No tiene permiso para abrir el puerto %1").arg(name)
                             : QStringLiteral("No tiene permiso para abrir el puerto %1 (grupo %2)").arg(name, node.group),
                         factsOf(port, platform, node.group));
    case Kind::InUse:
        return PortError(error_number::kPortBusy, QStringLiteral("El puerto %1 está en uso por otro programa").arg(name),
                         factsOf(port, platform));
    case Kind::Vanished:
    case Kind::Unusable: break;
    }
    return PortError(error_number::kPortOpenFailed,
                     QStringLiteral("No se pudo abrir el puerto %1: no es un puerto serie utilizable (%2)")
                         .arg(name, systemTextInSpanish(systemReason, platform)),
                     factsOf(port, platform));
}

PortError missing(const Port& port, Platform platform) {
    QString text = QStringLiteral("No existe el dispositivo %1 del puerto COM%2").arg(port.device).arg(port.comPort);
    if (platform == Platform::Windows)
        text = portName(port, platform) == port.device
                   ? QStringLiteral("No existe el puerto %1 en este equipo").arg(port.device)
                   : QStringLiteral("No existe el puerto %1, asignado a COM%2, en este equipo").arg(port.device).arg(port.comPort);
    return PortError(error_number::kPortMissing, text, factsOf(port, platform));
}

bool failsOpenPort(QSerialPort::SerialPortError code, Platform platform) {
    const CodeMeaning* entry = meaning(code);
    if (!entry) return false;
    const Kind kind = kindOf(*entry, platform);
    // Only Windows reads "in use" from a code, the one it also gives for an adapter pulled out.
    return kind == Kind::Vanished || kind == Kind::Missing || kind == Kind::InUse;
}

QString vanishedReason(QSerialPort::SerialPortError code, Platform platform) {
    const CodeMeaning* entry = meaning(code);
    return QString::fromUtf8(entry && failsOpenPort(code, platform) && entry->code != QSerialPort::DeviceNotFoundError
                                 ? entry->reason
                                 : "el dispositivo se desconectó");
}

}  // namespace port_error
