#include "port_advice.h"

#include "drivers/error_numbers.h"

#include <QStringList>

namespace {

QString foundDevices(const QList<SerialDevice>& found, Platform platform) {
    if (found.isEmpty()) return QStringLiteral("No se encontró ningún dispositivo serie conectado.");
    QStringList lines{platform == Platform::Windows ? QStringLiteral("Puertos serie encontrados:")
                                                    : QStringLiteral("Dispositivos serie encontrados:")};
    for (const SerialDevice& d : found) lines << QStringLiteral("  ") + deviceSummary(d);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

QString withPortAdvice(const port_error::PortError& error, const QList<SerialDevice>& found) {
    const port_error::Facts& f = error.facts();
    const bool windows = f.platform == Platform::Windows;
    const QString n = QString::number(f.comPort);
    const QString assign = QStringLiteral("orbelo --asignar %1=%2").arg(n, windows ? QStringLiteral("COMx")
                                                                                   : QStringLiteral("DISPOSITIVO"));
    const QString text = error.description();
    switch (error.number()) {
    case error_number::kPortMissing:
        return text + QStringLiteral(". ") + foundDevices(found, f.platform) +
               (windows ? QStringLiteral("\nEl Administrador de dispositivos muestra en «Puertos (COM y LPT)» el "
                                         "número de cada adaptador. Para usar otro en COM%1: %2 (por ejemplo COM7)")
                              .arg(n, assign)
                        : QStringLiteral("\nPara usar otro dispositivo en COM%1: %2 (por ejemplo /dev/ttyUSB0)")
                              .arg(n, assign));
    case error_number::kPortForbidden:
        if (windows || f.group.isEmpty())
            return text + QStringLiteral(": pida a quien administra el equipo acceso a ese dispositivo");
        return text + QStringLiteral(": agregue su usuario al grupo %1 (sudo usermod -aG %1 $USER) y vuelva a "
                                     "iniciar la sesión")
                          .arg(f.group);
    case error_number::kPortBusy:
        return text + QStringLiteral(": ciérrelo (u otra ventana de Orbelo) y vuelva a intentar");
    case error_number::kPortOpenFailed:
        return text + (windows ? QStringLiteral(". Revise el adaptador en el Administrador de dispositivos, o elija "
                                                "otro puerto o asigne otro con %1")
                               : QStringLiteral(". Elija otro puerto o asigne otro dispositivo con %1"))
                          .arg(assign);
    default: break;
    }
    return text;
}
