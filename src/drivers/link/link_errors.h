#pragma once

#include "drivers/operation_error.h"

#include <QList>
#include <QString>

// The driver errors of the link, with the Spanish texts the technician reads.
namespace link_error {

// A command byte as the messages show it, for example "0x40".
QString commandCode(quint8 command);

DriverError portInvalid(int comPort);
DriverError portLost(const QString& label, const QString& reason);
DriverError portNotOpen();
// `port` as the transport names it: "COM1 (/dev/ttyUSB0)"; `baud` the speed it worked at (0: a
// device without line speed), `alsoTried` the other speeds the search tried.
DriverError noAnswer(const QString& port, int baud = 9600, const QList<int>& alsoTried = {});

// Silent at the port's own speed, the printer answered the status request at another one. Nothing
// else was sent there; the window offers what the brand allows.
class OtherSpeed : public DriverError {
public:
    OtherSpeed(int comPort, const QString& port, int found, int portSpeed, bool printerSetsSpeed);
    int comPort() const { return comPort_; }
    int found() const { return found_; }
    int portSpeed() const { return portSpeed_; }
    // The brand has a command that sets the printer's speed (Hasar); else only the port can follow.
    bool printerSetsSpeed() const { return printerSetsSpeed_; }

private:
    int comPort_;
    int found_;
    int portSpeed_;
    bool printerSetsSpeed_;
};
DriverError garbled(const QString& port);
DriverError stuck(const QString& port, int seconds);
// Only bytes outside the protocol came back; `sample` is the first of them.
DriverError notAFiscalPrinter(const QString& port, const QString& printer, const QByteArray& sample);
// The printer on `port` speaks the other brand's protocol than `chosen`: it acknowledged the
// frames (Hasar) or answered without acknowledging (Epson).
DriverError otherProtocol(const QString& port, const QString& chosen, bool printerAcked);
// The system would not set the line to that speed.
DriverError speedRefused(const QString& port, int baud);
DriverError fieldNotSendable(quint8 command, const QString& problem);
// The printer answered the command with DC3: longer than its buffer takes.
DriverError commandTooLong(const QString& port, quint8 command);
DriverError aborted();
DriverError busy();

}  // namespace link_error
