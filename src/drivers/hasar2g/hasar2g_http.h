#pragma once

#include "drivers/network_address.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// One HTTP/1.1 exchange with a 2G printer, as bytes: the POST that carries a command, and the
// printer's response read with bounds, since everything it sends is untrusted.
namespace hasar2g_http {

// A status line with its headers never needs more; a JSON reply of the commands we send neither.
constexpr qsizetype kMaxHeadBytes = 8 * 1024;
constexpr qsizetype kMaxBodyBytes = 64 * 1024;

QByteArray request(const network_address::Address& to, const QByteArray& json);
// The request as the trace shows it: the Authorization header's value hidden.
QByteArray masked(QByteArrayView request);

struct Response {
    int status = 0;
    QByteArray body;
};

// What has arrived so far, read as a response. `closed`: the printer closed the connection, so
// nothing more will come.
struct Reading {
    enum class State { Incomplete, Complete, Garbled };
    State state = State::Incomplete;
    Response response;
    QString problem;  // Garbled: why, in Spanish
};
Reading read(QByteArrayView received, bool closed);

}  // namespace hasar2g_http
