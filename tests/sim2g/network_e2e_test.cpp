// The orbelo-virtual-printer program as a 2G Hasar on a real socket: authentication, a document
// whose reply is lost and that ConsultarEstado shows issued once, a power cut inside a document,
// Z reports across a restart from the state file, and the paper roll they leave.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

constexpr int kTimeoutMs = 5000;

struct HttpReply {
    int status = 0;  // 0: the connection ended without a reply
    QJsonObject fields;  // under the reply's one key
    QString key;
};

class NetworkPrinterTest : public ::testing::Test {
protected:
    void TearDown() override { stop(); }

    void start(const QStringList& extra) {
        QStringList arguments{QStringLiteral("--brand"), QStringLiteral("hasar-2g"), QStringLiteral("--listen"),
                              QStringLiteral("127.0.0.1:0"), QStringLiteral("--state"), state_, QStringLiteral("--paper"), paper_,
                              QStringLiteral("--user"), QStringLiteral("tecnico")};
        tool_.start(QStringLiteral(ORBELO_VIRTUAL_PRINTER), arguments + extra);
        ASSERT_TRUE(tool_.waitForStarted(kTimeoutMs));
        ASSERT_TRUE(tool_.waitForReadyRead(kTimeoutMs)) << tool_.readAllStandardError().toStdString();
        url_ = QUrl(QString::fromLocal8Bit(tool_.readLine()).trimmed());
        ASSERT_EQ(url_.path(), QStringLiteral("/fiscal.json"));
        ASSERT_GT(url_.port(), 0);
    }

    void stop() {
        if (tool_.state() == QProcess::NotRunning) return;
        tool_.terminate();
        ASSERT_TRUE(tool_.waitForFinished(kTimeoutMs));
        EXPECT_EQ(tool_.exitCode(), 0) << tool_.readAllStandardError().toStdString();
    }

    HttpReply post(const QByteArray& body, const QByteArray& user = "tecnico") {
        QTcpSocket socket;
        socket.connectToHost(url_.host(), static_cast<quint16>(url_.port()));
        if (!socket.waitForConnected(kTimeoutMs)) return {};
        QByteArray request = "POST /fiscal.json HTTP/1.1\r\nHost: " + url_.host().toLatin1() +
                             "\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
        if (!user.isEmpty()) request += "Authorization: Basic " + (user + ':').toBase64() + "\r\n";
        socket.write(request + "\r\n" + body);
        QByteArray received;
        while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(kTimeoutMs)) received += socket.readAll();
        received += socket.readAll();
        HttpReply reply;
        const qsizetype end = received.indexOf("\r\n\r\n");
        if (!received.startsWith("HTTP/1.1 ") || end < 0) return reply;
        reply.status = received.mid(9, 3).toInt();
        const QJsonObject top = QJsonDocument::fromJson(received.mid(end + 4)).object();
        if (!top.isEmpty()) {
            reply.key = top.begin().key();
            reply.fields = top.begin().value().toObject();
        }
        return reply;
    }

    HttpReply send(const char* command, const QJsonObject& parameters = {}) {
        return post(QJsonDocument(QJsonObject{{QLatin1String(command), parameters}}).toJson(QJsonDocument::Compact));
    }

    QJsonObject ticketStatus() { return send("ConsultarEstado", {{"CodigoComprobante", "83"}}).fields; }

    HttpReply item() {
        return send("ImprimirItem", {{"Descripcion", "Producto"}, {"Cantidad", "1.00"}, {"PrecioUnitario", "10.00"},
                                     {"CondicionIVA", "Gravado"}, {"AlicuotaIVA", "21.00"}, {"OperacionMonto", "ModoSumaMonto"},
                                     {"TipoImpuestoInterno", "IIVariableKIVA"}, {"MagnitudImpuestoInterno", "0.00"},
                                     {"ModoDisplay", "DisplayNo"}, {"ModoBaseTotal", "ModoPrecioTotal"}, {"UnidadReferencia", ""},
                                     {"CodigoProducto", ""}, {"CodigoInterno", ""}, {"UnidadMedida", "Unidad"}});
    }

    QTemporaryDir dir_;
    QString state_ = dir_.filePath(QStringLiteral("estado.json"));
    QString paper_ = dir_.filePath(QStringLiteral("papel.txt"));
    QProcess tool_;
    QUrl url_;
};

TEST_F(NetworkPrinterTest, IssuesOnceDespiteALostReplyAndComesBackFromItsStateFile) {
    start({QStringLiteral("--fault"), QStringLiteral("drop-reply,cmd=CerrarDocumento"),
           QStringLiteral("--fault"), QStringLiteral("power-cut,cmd=ImprimirItem,after=1,seconds=0.5"),
           QStringLiteral("--fault"), QStringLiteral("reset,cmd=ConsultarVersion")});
    EXPECT_EQ(post(R"({"ConsultarEstado":{}})", "intruso").status, 401);
    EXPECT_EQ(post(R"({"ConsultarEstado":{}})", "").status, 401);
    EXPECT_EQ(send("ConsultarVersion").status, 0) << "reset before it ran";
    EXPECT_EQ(send("ConsultarVersion").key, QStringLiteral("ConsultarVersion"));
    EXPECT_NE(post(QByteArray(64 * 1024, ' ')).status, 200) << "an oversized body is never run";

    // The close runs and its reply is lost: the client asks, and learns the tique was issued once.
    EXPECT_EQ(send("AbrirDocumento", {{"CodigoComprobante", "83"}}).fields.value("NumeroComprobante").toString(), QStringLiteral("1"));
    EXPECT_EQ(item().status, 200);
    EXPECT_EQ(send("CerrarDocumento").status, 0);
    QJsonObject ticket = ticketStatus();
    EXPECT_EQ(ticket.value("NumeroUltimoComprobante").toString(), QStringLiteral("1"));
    EXPECT_EQ(ticket.value("CantidadEmitidos").toString(), QStringLiteral("1"));
    EXPECT_EQ(ticket.value("ComprobanteEnCurso").toString(), QStringLiteral("0"));

    // The power goes inside the next tique: it is cancelled, and the printer answers again from its state file.
    EXPECT_EQ(send("AbrirDocumento", {{"CodigoComprobante", "83"}}).status, 200);
    EXPECT_EQ(item().status, 0);
    HttpReply back;
    for (int i = 0; i < 50 && back.status != 200; ++i) {
        QThread::msleep(100);
        back = send("ConsultarEstado", {{"CodigoComprobante", "83"}});
    }
    ASSERT_EQ(back.status, 200);
    EXPECT_EQ(back.fields.value("NumeroUltimoComprobante").toString(), QStringLiteral("2"));
    EXPECT_EQ(back.fields.value("CantidadCancelados").toString(), QStringLiteral("1"));
    EXPECT_EQ(back.fields.value("ComprobanteEnCurso").toString(), QStringLiteral("0"));

    EXPECT_EQ(send("CerrarJornadaFiscal", {{"Reporte", "ReporteZ"}}).fields.value("Numero").toString(), QStringLiteral("1"));
    stop();
    start({});
    EXPECT_EQ(ticketStatus().value("NumeroUltimoComprobante").toString(), QStringLiteral("2"));
    EXPECT_EQ(send("CerrarJornadaFiscal", {{"Reporte", "ReporteZ"}}).fields.value("Numero").toString(), QStringLiteral("2"));
    stop();

    QFile paper(paper_);
    ASSERT_TRUE(paper.open(QIODevice::ReadOnly));
    const QString roll = QString::fromUtf8(paper.readAll());
    EXPECT_EQ(roll.count(QStringLiteral("== FIN TIQUE Nro 00001-00000001 ==")), 1);
    EXPECT_EQ(roll.count(QStringLiteral("CORTE DE CORRIENTE\n== CANCELADO TIQUE Nro 00001-00000002 ==")), 1);
    EXPECT_EQ(roll.count(QStringLiteral("== INFORME Z Nro 0001 ==")), 1);
    EXPECT_EQ(roll.count(QStringLiteral("== INFORME Z Nro 0002 ==")), 1);
}

TEST_F(NetworkPrinterTest, SlowAndBusyRepliesArriveOnceEvenWhenTheClientLeavesFirst) {
    start({QStringLiteral("--fault"), QStringLiteral("slow,cmd=ConsultarFechaHora,seconds=0.3"),
           QStringLiteral("--fault"), QStringLiteral("slow,cmd=ConsultarVersion,seconds=0.3"),
           QStringLiteral("--fault"), QStringLiteral("busy,cmd=CerrarJornadaFiscal,polls=1")});
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(send("ConsultarFechaHora").fields.value("Fecha").toString().size(), 6);
    EXPECT_GE(clock.elapsed(), 300);

    // A client that gives up on a slow reply leaves the printer as it was, answering the next one.
    {
        QTcpSocket early;
        early.connectToHost(url_.host(), static_cast<quint16>(url_.port()));
        ASSERT_TRUE(early.waitForConnected(kTimeoutMs));
        const QByteArray body = R"({"ConsultarVersion":{}})";
        early.write("POST /fiscal.json HTTP/1.1\r\nContent-Type: application/json\r\nAuthorization: Basic " +
                    QByteArray("tecnico:").toBase64() + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        ASSERT_TRUE(early.waitForBytesWritten(kTimeoutMs));
        early.abort();
    }
    QThread::msleep(500);
    EXPECT_EQ(send("ConsultarEstado").status, 200);

    EXPECT_EQ(send("CerrarJornadaFiscal", {{"Reporte", "ReporteX"}}).key, QStringLiteral("ControladorOcupado"));
    EXPECT_EQ(send("ConsultarEstadoEspera").key, QStringLiteral("ControladorOcupado"));
    const HttpReply report = send("ConsultarEstadoEspera");
    EXPECT_EQ(report.key, QStringLiteral("CerrarJornadaFiscal"));
    EXPECT_EQ(report.fields.value("Numero").toString(), QStringLiteral("1"));
    stop();
    QFile paper(paper_);
    ASSERT_TRUE(paper.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(paper.readAll()).count(QStringLiteral("== INFORME X Nro 0001 ==")), 1);
}

}  // namespace
