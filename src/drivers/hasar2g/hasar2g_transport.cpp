#include "hasar2g_transport.h"

#include "drivers/error_numbers.h"
#include "drivers/link/link_trace.h"
#include "drivers/operation_error.h"
#include "hasar2g_http.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

namespace {

// More than a head and a body may hold together: the printer is cut off there.
constexpr qsizetype kMaxReceived = hasar2g_http::kMaxHeadBytes + hasar2g_http::kMaxBodyBytes + 4;

DriverError aborted() {
    return DriverError(error_number::kAborted, QStringLiteral("Se cerró la ventana: no se envía nada más al impresor"));
}

// The socket's failure in the technician's words; the system's own go to the trace.
QString inWords(QAbstractSocket::SocketError error, const QString& system) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return QStringLiteral("el impresor rechazó la conexión");
    case QAbstractSocket::HostNotFoundError: return QStringLiteral("no se encontró ese nombre en la red");
    case QAbstractSocket::NetworkError: return QStringLiteral("falla de la red");
    case QAbstractSocket::SocketTimeoutError: return QStringLiteral("la red no respondió a tiempo");
    default: break;
    }
    return system;
}

}  // namespace

void Hasar2gTransport::setTarget(const QString& label, const network_address::Address& address) {
    label_ = label;
    address_ = address;
}

void Hasar2gTransport::abort() {
    aborted_ = true;
    if (loop_) loop_->quit();
}

void Hasar2gTransport::pause(int ms) {
    if (aborted_) throw aborted();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop_ = &loop;
    loop.exec();
    loop_ = nullptr;
    if (aborted_) throw aborted();
}

QByteArray Hasar2gTransport::post(const QString& command, const QByteArray& json) {
    if (aborted_) throw aborted();
    const QByteArray request = hasar2g_http::request(address_, json);
    QTcpSocket socket;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);

    bool connected = false, closed = false, timedOut = false;
    QString socketError;
    QByteArray received;
    hasar2g_http::Reading reading;
    const auto readSoFar = [&] {
        received += socket.readAll();
        if (received.size() > kMaxReceived) {
            reading = {hasar2g_http::Reading::State::Garbled, {},
                       QStringLiteral("la respuesta supera %1 bytes").arg(kMaxReceived)};
            loop.quit();
            return;
        }
        reading = hasar2g_http::read(received, closed);
        if (reading.state != hasar2g_http::Reading::State::Incomplete) loop.quit();
    };
    connect(&socket, &QTcpSocket::connected, &loop, [&] {
        connected = true;
        if (link_trace::active()) link_trace::bytes(label_, true, hasar2g_http::masked(request));
        socket.write(request);
        limit.start(limits_.replyMs);
    });
    connect(&socket, &QTcpSocket::readyRead, &loop, readSoFar);
    connect(&socket, &QTcpSocket::disconnected, &loop, [&] {
        closed = true;
        loop.quit();
    });
    connect(&socket, &QTcpSocket::errorOccurred, &loop, [&](QAbstractSocket::SocketError e) {
        if (link_trace::active()) link_trace::note(label_, socket.errorString());
        if (e == QAbstractSocket::RemoteHostClosedError) closed = true;
        else socketError = inWords(e, socket.errorString());
        loop.quit();
    });
    connect(&limit, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });

    QElapsedTimer clock;
    clock.start();
    socket.connectToHost(address_.host, address_.port);
    limit.start(limits_.connectMs);
    loop_ = &loop;
    while (reading.state == hasar2g_http::Reading::State::Incomplete && !closed && !timedOut && socketError.isEmpty() &&
           !aborted_)
        loop.exec();
    loop_ = nullptr;
    // What arrived with the close is part of the reply.
    if (reading.state == hasar2g_http::Reading::State::Incomplete && connected) {
        received += socket.readAll();
        // A connection that ends with nothing at all is a lost reply, not a garbled one.
        if (!received.isEmpty() && received.size() <= kMaxReceived)
            reading = hasar2g_http::read(received, closed || !socketError.isEmpty());
    }
    socket.abort();
    if (link_trace::active() && !received.isEmpty()) link_trace::bytes(label_, false, received);
    if (link_trace::active())
        link_trace::note(label_, QStringLiteral("%1: %2 ms").arg(command).arg(clock.elapsed()));

    if (aborted_) throw aborted();
    if (!connected) {
        const QString why = timedOut ? QStringLiteral("no atendió la conexión en %1 s").arg(limits_.connectMs / 1000.0)
                                     : socketError;
        throw DriverError(error_number::kNetworkUnreachable,
                          QStringLiteral("No se pudo conectar con el impresor 2G de %1: %2. Revise la dirección asignada "
                                         "al puerto y que el impresor esté encendido y en la red")
                              .arg(label_, why));
    }
    using State = hasar2g_http::Reading::State;
    if (reading.state == State::Garbled)
        throw DriverError(error_number::kBadReply,
                          QStringLiteral("La respuesta del impresor 2G de %1 a %2 no se puede leer: %3").arg(label_, command, reading.problem));
    if (reading.state == State::Incomplete) {
        if (timedOut)
            throw DriverError(error_number::kNoAnswer, QStringLiteral("El impresor 2G de %1 no respondió a %2 en %3 s")
                                                           .arg(label_, command)
                                                           .arg(limits_.replyMs / 1000.0));
        throw DriverError(error_number::kNetworkLost,
                          QStringLiteral("Se cortó la conexión con el impresor 2G de %1 sin respuesta a %2").arg(label_, command));
    }
    const int status = reading.response.status;
    if (status == 401)
        throw DriverError(error_number::kLoginRefused,
                          QStringLiteral("El impresor 2G de %1 rechazó %2 (HTTP 401). Revise el usuario y la clave "
                                         "guardados para el puerto")
                              .arg(label_, address_.credentials.given() ? QStringLiteral("el usuario y la clave")
                                                                        : QStringLiteral("el pedido sin usuario")));
    if (status != 200)
        throw DriverError(error_number::kPrinterRefused,
                          QStringLiteral("El impresor 2G de %1 respondió HTTP %2 a %3").arg(label_).arg(status).arg(command));
    return reading.response.body;
}
