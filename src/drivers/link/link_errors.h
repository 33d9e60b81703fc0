#pragma once

#include "drivers/operation_error.h"

#include <QString>

// The driver errors of the link, with the Spanish texts the technician reads.
namespace link_error {

// A command byte as the messages show it, for example "0x40".
QString commandCode(quint8 command);

DriverError portInvalid(int comPort);
DriverError portLost(const QString& label, const QString& reason);
DriverError portNotOpen();
// `port` as the transport names it: "COM1 (/dev/ttyUSB0)".
DriverError noAnswer(const QString& port);
DriverError garbled(int comPort);
DriverError stuck(int comPort, int seconds);
// Only bytes outside the protocol came back; `sample` is the first of them.
DriverError notAFiscalPrinter(int comPort, const QString& printer, const QByteArray& sample);
// The printer on `port` speaks the other brand's protocol than `chosen`: it acknowledged the
// frames (Hasar) or answered without acknowledging (Epson).
DriverError otherProtocol(const QString& port, const QString& chosen, bool printerAcked);
DriverError fieldNotSendable(quint8 command, const QString& problem);
// The printer answered the command with DC3: longer than its buffer takes.
DriverError commandTooLong(const QString& port, quint8 command);
DriverError aborted();
DriverError busy();

}  // namespace link_error
