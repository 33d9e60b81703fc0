#include "virtual_printer_process.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QUrl>

namespace {
constexpr int kStartMs = 10000;
constexpr int kStopMs = 5000;

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

VirtualPrinterProcess::VirtualPrinterProcess(const QString& brand, const QStringList& arguments, QString program)
    : program_(program.isEmpty() ? builtProgram() : std::move(program)),
      network_(brand == QLatin1String("hasar-2g")),
      arguments_(QStringList{QStringLiteral("--brand"), brand} + arguments) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

VirtualPrinterProcess::~VirtualPrinterProcess() { stop(); }

QString VirtualPrinterProcess::builtProgram() { return QStringLiteral(ORBELO_VIRTUAL_PRINTER); }

bool VirtualPrinterProcess::start(QString* error) {
    stop();
    // The link first, so that a test's own --link among the arguments wins. A 2G Hasar takes any
    // free port at first, then keeps it.
    QStringList arguments = network_ ? QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(port_)}
                                     : QStringList{QStringLiteral("--link"), device()};
    arguments << QStringLiteral("--paper") << paperFile() << QStringLiteral("--state") << stateFile();
    for (qsizetype i = 0; i < arguments_.size(); ++i) {
        if (startedOnce_ && arguments_[i] == QLatin1String("--fault")) ++i;  // and its value
        else arguments << arguments_[i];
    }
    arguments << nextStart_;
    nextStart_.clear();
    startedOnce_ = true;
    process_.start(program_, arguments);
    const QDeadlineTimer deadline(kStartMs);
    while (!process_.canReadLine() && running() && !deadline.hasExpired()) process_.waitForReadyRead(100);
    // The program prints the pseudo-terminal or the address it listens on once it is ready.
    const QString ready = QString::fromLocal8Bit(process_.readLine()).trimmed();
    if (!network_ && ready.startsWith(QStringLiteral("/dev/"))) return true;
    if (network_ && ready.startsWith(QStringLiteral("http://")) && QUrl(ready).port() > 0) {
        port_ = QUrl(ready).port();
        return true;
    }
    if (error) *error = QStringLiteral("%1 no arrancó (%2)").arg(program_, arguments.join(QLatin1Char(' ')));
    kill();
    return false;
}

bool VirtualPrinterProcess::stop() {
    if (!running()) return true;
    process_.terminate();
    if (process_.waitForFinished(kStopMs)) return true;
    kill();
    return false;
}

void VirtualPrinterProcess::kill() {
    if (!running()) return;
    process_.kill();
    process_.waitForFinished(kStopMs);
}

QStringList VirtualPrinterProcess::paper() {
    stop();
    return QString::fromUtf8(contents(paperFile())).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QJsonObject VirtualPrinterProcess::state() {
    stop();
    return QJsonDocument::fromJson(contents(stateFile())).object();
}

int VirtualPrinterProcess::finishedDocuments() const {
    int count = 0;
    for (const QByteArray& line : contents(paperFile()).split('\n'))
        if (line.startsWith("== FIN ")) ++count;
    return count;
}

bool VirtualPrinterProcess::savedWithDocumentOpen() const {
    return QJsonDocument::fromJson(contents(stateFile())).object().value(QStringLiteral("open_document")).isObject();
}
