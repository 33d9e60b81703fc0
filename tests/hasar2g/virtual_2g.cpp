#include "virtual_2g.h"

#include <QFile>
#include <QJsonDocument>
#include <QTcpSocket>

namespace {

constexpr int kTimeoutMs = 5000;

}  // namespace

bool Virtual2g::start(const QStringList& extra, QString* error) {
    tool_.start(QStringLiteral(ORBELO_VIRTUAL_PRINTER),
                QStringList{QStringLiteral("--brand"), QStringLiteral("hasar-2g"), QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
                            QStringLiteral("--state"), dir_.filePath(QStringLiteral("estado.json")), QStringLiteral("--paper"),
                            dir_.filePath(QStringLiteral("papel.txt"))} +
                    extra);
    if (!tool_.waitForStarted(kTimeoutMs) || !tool_.waitForReadyRead(kTimeoutMs)) {
        *error = QString::fromLocal8Bit(tool_.readAllStandardError());
        return false;
    }
    url_ = QUrl(QString::fromLocal8Bit(tool_.readLine()).trimmed());
    return url_.port() > 0;
}

void Virtual2g::stop() {
    if (tool_.state() == QProcess::NotRunning) return;
    tool_.terminate();
    tool_.waitForFinished(kTimeoutMs);
}

QJsonObject Virtual2g::status(int code, const QByteArray& user) {
    QTcpSocket socket;
    socket.connectToHost(url_.host(), static_cast<quint16>(url_.port()));
    if (!socket.waitForConnected(kTimeoutMs)) return {};
    const QByteArray body = QByteArrayLiteral("{\"ConsultarEstado\":{\"CodigoComprobante\":\"") + QByteArray::number(code) + "\"}}";
    socket.write("POST /fiscal.json HTTP/1.1\r\nContent-Type: application/json\r\nAuthorization: Basic " + (user + ':').toBase64() +
                 "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    QByteArray received;
    while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(kTimeoutMs)) received += socket.readAll();
    received += socket.readAll();
    const qsizetype end = received.indexOf("\r\n\r\n");
    if (end < 0) return {};
    return QJsonDocument::fromJson(received.mid(end + 4)).object().value(QLatin1String("ConsultarEstado")).toObject();
}

QString Virtual2g::roll() const {
    QFile paper(dir_.filePath(QStringLiteral("papel.txt")));
    if (!paper.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(paper.readAll());
}
