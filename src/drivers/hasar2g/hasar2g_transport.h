#pragma once

#include "drivers/network_address.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QEventLoop;

// How long a 2G printer on the network may take.
struct Hasar2gLimits {
    int connectMs = 3000;  // to accept the connection
    int replyMs = 30000;   // to answer once the command left (a Z report prints first)
    int busyPollMs = 250;  // between polls while it answers ControladorOcupado
    int busyLimitMs = 60000;
    // After a lost reply the printer is read again: a printer that is starting again (after a
    // power cut) refuses connections for a while.
    int rereadMs = 8000;
};

// One command to one connection: a plain TCP socket carrying one HTTP/1.1 POST and reading its
// response itself, so that nothing is ever sent twice behind the driver's back. Waits run a local
// event loop, so the window keeps painting.
class Hasar2gTransport : public QObject {
    Q_OBJECT

public:
    explicit Hasar2gTransport(Hasar2gLimits limits) : limits_(limits) {}

    // Where the next commands go; `label` names it in errors and the trace, "COM1 (http://...)".
    void setTarget(const QString& label, const network_address::Address& address);
    const QString& label() const { return label_; }
    const Hasar2gLimits& limits() const { return limits_; }

    // Posts one command's JSON and returns the response's body. Raises DriverError: the
    // connection not made (nothing sent), the connection ended or the time ran out after the
    // command left, a garbled response, a refused login, another HTTP status.
    QByteArray post(const QString& command, const QByteArray& json);
    // Lets `ms` pass with the window painting; abort() ends it with a DriverError.
    void pause(int ms);

    // Ends the current wait and every later one with a DriverError; nothing more is sent.
    void abort();

private:
    Hasar2gLimits limits_;
    network_address::Address address_;
    QString label_;
    QEventLoop* loop_ = nullptr;
    bool aborted_ = false;
};
