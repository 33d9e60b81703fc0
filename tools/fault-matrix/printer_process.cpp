#include "printer_process.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
constexpr int kStartMs = 10000;
constexpr int kStopMs = 5000;
}  // namespace

PrinterProcess::PrinterProcess(QString program, QString folder, QStringList arguments, QStringList faults)
    : program_(std::move(program)), folder_(std::move(folder)), arguments_(std::move(arguments)), faults_(std::move(faults)) {}

PrinterProcess::~PrinterProcess() { stop(); }

QString PrinterProcess::linkPath() const { return QDir(folder_).filePath(QStringLiteral("com")); }
QString PrinterProcess::statePath() const { return QDir(folder_).filePath(QStringLiteral("estado.json")); }

bool PrinterProcess::start(QString* error) {
    stop();
    QStringList arguments{QStringLiteral("--link"), linkPath(), QStringLiteral("--paper"),
                          QDir(folder_).filePath(QStringLiteral("papel.txt")), QStringLiteral("--state"), statePath()};
    arguments << arguments_ << faults_;
    faults_.clear();
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program_, arguments);
    const QDeadlineTimer deadline(kStartMs);
    while (!process_.canReadLine() && process_.state() != QProcess::NotRunning && !deadline.hasExpired())
        process_.waitForReadyRead(100);
    const QString device = QString::fromLocal8Bit(process_.readLine()).trimmed();
    if (device.startsWith(QStringLiteral("/dev/"))) return true;
    *error = QStringLiteral("%1 no arrancó (%2)").arg(program_, arguments.join(QLatin1Char(' ')));
    stop();
    return false;
}

void PrinterProcess::stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(kStopMs)) {
        process_.kill();
        process_.waitForFinished(kStopMs);
    }
}

void PrinterProcess::kill() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(kStopMs);
}

bool PrinterProcess::restart(QString* error) {
    kill();
    return start(error);
}

bool PrinterProcess::savedWithDocumentOpen() const {
    QFile file(statePath());
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QJsonValue open = QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("open_document"));
    return open.isObject();
}

int PrinterProcess::finishedDocuments() const {
    QFile file(QDir(folder_).filePath(QStringLiteral("papel.txt")));
    if (!file.open(QIODevice::ReadOnly)) return 0;
    int count = 0;
    while (!file.atEnd())
        if (file.readLine().startsWith("== FIN ")) ++count;
    return count;
}

bool PrinterProcess::logoStored() {
    stop();
    QFile file(statePath());
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QJsonValue logo = QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("logo"));
    return !logo.isUndefined() && !logo.isNull();
}
