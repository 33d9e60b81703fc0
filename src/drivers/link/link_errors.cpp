#include "link_errors.h"

#include "drivers/error_numbers.h"
#include "frame.h"

#include <QStringList>

namespace link_error {

namespace {
QString cannotOpen(const QString& label, const QString& reason) {
    return QStringLiteral("No se pudo abrir el puerto %1: %2").arg(label, reason);
}
}  // namespace

QString commandCode(quint8 command) {
    return QStringLiteral("0x") + QString::number(command, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

DriverError portInvalid(int comPort) {
    return DriverError(error_number::kPortInvalid,
                       cannotOpen(QStringLiteral("COM%1").arg(comPort), QStringLiteral("número de puerto no válido")));
}

DriverError portLost(const QString& label, const QString& reason) {
    return DriverError(error_number::kPortLost,
                       QStringLiteral("Se perdió la conexión con el puerto %1: %2. Revise el cable, el adaptador y que "
                                      "el impresor esté encendido, y consulte su estado antes de repetir la operación")
                           .arg(label, reason));
}

DriverError portNotOpen() {
    return DriverError(error_number::kPortNotOpen,
                       QStringLiteral("El puerto del impresor fiscal no está abierto: falta iniciar la sesión"));
}

DriverError noAnswer(const QString& port, int baud, const QList<int>& alsoTried) {
    QString where = port;
    if (baud > 0) where += QStringLiteral(" a %1 baudios, 8N1").arg(baud);
    if (!alsoTried.isEmpty()) {
        QStringList speeds;
        for (const int speed : alsoTried) speeds << QString::number(speed);
        const QString last = speeds.takeLast();
        where += QStringLiteral(", ni a ") + (speeds.isEmpty() ? last : speeds.join(QStringLiteral(", ")) + QStringLiteral(" o ") + last);
    }
    return DriverError(error_number::kNoAnswer,
                       QStringLiteral("El impresor fiscal no responde en %1: revise que esté encendido, el cable y el "
                                      "adaptador, y que el modelo y el puerto elegidos sean los del impresor")
                           .arg(where));
}

OtherSpeed::OtherSpeed(int comPort, const QString& port, int found, int portSpeed, bool printerSetsSpeed)
    : DriverError(error_number::kOtherSpeed,
                  QStringLiteral("El impresor responde a %1 baudios; Orbelo trabaja a %2 en %3").arg(found).arg(portSpeed).arg(port)),
      comPort_(comPort),
      found_(found),
      portSpeed_(portSpeed),
      printerSetsSpeed_(printerSetsSpeed) {}

DriverError garbled(const QString& port) {
    return DriverError(error_number::kGarbledLink,
                       QStringLiteral("La comunicación con el impresor fiscal en %1 llega dañada una y otra vez").arg(port));
}

DriverError stuck(const QString& port, int seconds) {
    return DriverError(error_number::kPrinterStuck,
                       QStringLiteral("El impresor fiscal en %1 sigue ocupado después de %2 s: revise el papel y la tapa")
                           .arg(port)
                           .arg(seconds));
}

DriverError notAFiscalPrinter(const QString& port, const QString& printer, const QByteArray& sample) {
    return DriverError(error_number::kNotAFiscalPrinter,
                       QStringLiteral("El dispositivo conectado en %1 no habla el protocolo de los impresores "
                                      "fiscales %2: solo envía datos ajenos al protocolo (\"%3\"). Revise que el "
                                      "impresor esté en ese puerto y que el modelo elegido sea el correcto")
                           .arg(port, printer, frame::hex(sample)));
}

DriverError otherProtocol(const QString& port, const QString& chosen, bool printerAcked) {
    const QString found = printerAcked ? QStringLiteral("Hasar") : QStringLiteral("Epson");
    return DriverError(error_number::kOtherProtocol,
                       QStringLiteral("El impresor fiscal en %1 habla el protocolo %2, no el %3 del modelo elegido: "
                                      "elija en la lista un modelo %2 o conecte un impresor %3")
                           .arg(port, found, chosen));
}

DriverError speedRefused(const QString& port, int baud) {
    return DriverError(error_number::kPortOpenFailed,
                       QStringLiteral("No se pudo poner el puerto %1 a %2 baudios: el sistema no acepta esa velocidad")
                           .arg(port)
                           .arg(baud));
}

DriverError fieldNotSendable(quint8 command, const QString& problem) {
    return DriverError(error_number::kFieldNotSendable,
                       QStringLiteral("No se puede enviar el comando %1: %2").arg(commandCode(command), problem));
}

DriverError commandTooLong(const QString& port, quint8 command) {
    return DriverError(error_number::kCommandTooLong,
                       QStringLiteral("El impresor fiscal en %1 rechazó el comando %2: comando demasiado largo para su "
                                      "búfer. Acorte sus textos o campos y vuelva a enviarlo")
                           .arg(port, commandCode(command)));
}

DriverError aborted() {
    return DriverError(error_number::kAborted, QStringLiteral("Operación interrumpida: se cerró la ventana"));
}

DriverError busy() {
    return DriverError(error_number::kLinkBusy,
                       QStringLiteral("El enlace con el impresor fiscal ya está esperando otra respuesta"));
}

}  // namespace link_error
