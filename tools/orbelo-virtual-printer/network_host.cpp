#include "network_host.h"

#include <sim/hasar2g/request.h>
#include <sim/hasar2g/state_file.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QHttpServerRequest>
#include <QTcpSocket>
#include <QTextStream>
#include <QTimer>

namespace {

using sim::hasar2g::Fault;

// Headers and body of one request together never need more; a client that sends more, or takes
// longer than this to send a whole request, is cut off before it fills the memory or a connection.
constexpr qint64 kMaxConnectionBytes = sim::hasar2g::kMaxRequestBytes + 8 * 1024;
constexpr int kRequestTimeoutMs = 10'000;
const QString kDeadline = QStringLiteral("orbelo_request_deadline");

qint64 now() { return QDateTime::currentMSecsSinceEpoch(); }

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 413: return "Payload Too Large";
    case 415: return "Unsupported Media Type";
    }
    return "Error";
}

// Writes a whole response and closes the connection once it has left.
void respond(QTcpSocket* socket, int status, const QByteArray& body, const QByteArray& extraHeaders = {}) {
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    out += "Content-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
    out += extraHeaders + "Connection: close\r\n\r\n" + body;
    socket->write(out);
    socket->disconnectFromHost();
}

QByteArray errorBody(const char* text) { return QByteArray("{\"Error\":{\"Descripcion\":\"") + text + "\"}}"; }

}  // namespace

// Takes each connection before the HTTP server reads it, to bound what it may send and for how long.
class NetworkHost::Listener : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        auto* deadline = new QTimer(socket);
        deadline->setObjectName(kDeadline);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, socket, [socket] { socket->abort(); });
        deadline->start(kRequestTimeoutMs);
        // Connected before the HTTP server's own reader, so it sees each chunk first.
        connect(socket, &QTcpSocket::readyRead, socket, [socket] {
            const qint64 seen = socket->property("orbelo_bytes").toLongLong() + socket->bytesAvailable();
            socket->setProperty("orbelo_bytes", seen);
            if (seen <= kMaxConnectionBytes) return;
            QObject::disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
            socket->readAll();
            respond(socket, 413, errorBody("pedido demasiado grande"));
        });
        addPendingConnection(socket);
    }
};

NetworkHost::NetworkHost(sim::hasar2g::Memory memory, Settings settings)
    : printer_(std::make_unique<sim::hasar2g::Printer>(std::move(memory))), settings_(std::move(settings)) {
    for (const Fault& f : settings_.faults) faults_.add(f);
}

bool NetworkHost::start(QString* error) {
    if (!paperFile_.open(settings_.paper, error)) return false;
    listener_ = new Listener(this);
    if (!listener_->listen(settings_.address, settings_.port)) {
        *error = QStringLiteral("no se puede escuchar en %1:%2: %3")
                     .arg(settings_.address.toString())
                     .arg(settings_.port)
                     .arg(listener_->errorString());
        return false;
    }
    port_ = listener_->serverPort();
    bind(listener_);
    return true;
}

bool NetworkHost::saveState() {
    keepPaper();
    if (!settings_.state) return true;
    QString error;
    if (settings_.state->saveContents(sim::hasar2g::state_file::contents(printer_->memory()), &error)) {
        saved_ = printer_->memory();
        return true;
    }
    QTextStream(stderr) << error << Qt::endl;
    return false;
}

bool NetworkHost::authorised(const QHttpServerRequest& request) const {
    if (!settings_.user) return true;
    const QByteArray expected = "Basic " + (settings_.user->toUtf8() + ':' + settings_.password.toUtf8()).toBase64();
    return request.value("Authorization") == expected;
}

void NetworkHost::missingHandler(const QHttpServerRequest&, QTcpSocket* socket) {
    respond(socket, 404, errorBody("el impresor atiende POST /fiscal.json"));
}

bool NetworkHost::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    // The request is whole: from here on the printer takes its time, a slow reply too.
    if (auto* deadline = socket->findChild<QTimer*>(kDeadline)) deadline->stop();
    if (request.url().path() != QLatin1String("/fiscal.json")) return false;
    if (request.method() != QHttpServerRequest::Method::Post) {
        respond(socket, 405, errorBody("el impresor atiende POST /fiscal.json"), "Allow: POST\r\n");
        return true;
    }
    if (!authorised(request)) {
        respond(socket, 401, errorBody("usuario o clave incorrectos"), "WWW-Authenticate: Basic realm=\"fiscal\"\r\n");
        return true;
    }
    if (!request.value("Content-Type").startsWith("application/json")) {
        respond(socket, 415, errorBody("el pedido debe ser application/json"));
        return true;
    }
    const QByteArray body = request.body();
    if (body.size() > sim::hasar2g::kMaxRequestBytes) {
        respond(socket, 413, errorBody("pedido demasiado grande"));
        return true;
    }

    const auto decoded = sim::hasar2g::decodeRequest(body);
    const auto* command = std::get_if<sim::hasar2g::Request>(&decoded);
    const std::optional<Fault> fault = command ? faults_.hit(command->command) : std::nullopt;
    if (fault && fault->kind == Fault::Kind::Reset) {
        socket->abort();
        return true;
    }
    if (fault && fault->kind == Fault::Kind::PowerCut) {
        socket->abort();
        powerCut(fault->milliseconds);
        return true;
    }
    if (fault && fault->kind == Fault::Kind::Busy) printer_->holdNextReply(fault->polls);
    const sim::hasar2g::Reply reply = printer_->handle(body, now());
    // What the command printed and changed is kept before any reply leaves, as a fiscal memory does.
    keepPaper();
    keepMemory();
    if (fault && fault->kind == Fault::Kind::DropReply) {
        socket->disconnectFromHost();
        return true;
    }
    if (fault && fault->kind == Fault::Kind::Slow) {
        QTimer::singleShot(fault->milliseconds, this, [s = QPointer<QTcpSocket>(socket), reply] {
            if (s) respond(s, reply.httpStatus, reply.body);
        });
        return true;
    }
    respond(socket, reply.httpStatus, reply.body);
    return true;
}

void NetworkHost::keepPaper() {
    paperFile_.append(printer_->paper().take());
}

void NetworkHost::keepMemory() {
    if (!saved_ || !(*saved_ == printer_->memory())) saveState();
}

void NetworkHost::powerCut(int ms) {
    printer_->cutPower();
    saveState();
    listener_->close();
    // Every connection goes with the power, those waiting for a slow reply too.
    for (QTcpSocket* s : listener_->findChildren<QTcpSocket*>()) s->abort();
    QTextStream(stderr) << "orbelo-virtual-printer: corte de energía por " << ms << " ms" << Qt::endl;
    QTimer::singleShot(ms, this, &NetworkHost::powerReturns);
}

void NetworkHost::powerReturns() {
    if (!settings_.statePath.isEmpty()) {
        QString error;
        auto memory = sim::hasar2g::state_file::load(settings_.statePath, &error);
        if (!memory) {
            QTextStream(stderr) << "orbelo-virtual-printer: " << error << Qt::endl;
            QCoreApplication::exit(1);
            return;
        }
        printer_ = std::make_unique<sim::hasar2g::Printer>(std::move(*memory));
        saved_ = printer_->memory();
    }
    if (!listener_->listen(settings_.address, port_)) {
        QTextStream(stderr) << "orbelo-virtual-printer: no se puede volver a escuchar: " << listener_->errorString() << Qt::endl;
        QCoreApplication::exit(1);
        return;
    }
    QTextStream(stderr) << "orbelo-virtual-printer: volvió la energía" << Qt::endl;
}
