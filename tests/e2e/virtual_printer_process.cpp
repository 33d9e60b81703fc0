#include "virtual_printer_process.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>

namespace {
constexpr int kStartMs = 10000;
constexpr int kStopMs = 5000;
}  // namespace

VirtualPrinterProcess::VirtualPrinterProcess(const QString& brand, const QStringList& extraArguments) {
    QStringList arguments{QStringLiteral("--brand"), brand, QStringLiteral("--paper"), dir_.filePath(QStringLiteral("papel.txt")),
                          QStringLiteral("--state"), stateFile()};
    arguments << extraArguments;
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(ORBELO_VIRTUAL_PRINTER), arguments);
    const QDeadlineTimer deadline(kStartMs);
    while (!process_.canReadLine() && process_.state() != QProcess::NotRunning && !deadline.hasExpired())
        process_.waitForReadyRead(100);
    device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    EXPECT_TRUE(device_.startsWith(QStringLiteral("/dev/"))) << "the virtual printer did not start: " << device_.toStdString();
}

VirtualPrinterProcess::~VirtualPrinterProcess() { stop(); }

void VirtualPrinterProcess::stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(kStopMs)) {
        ADD_FAILURE() << "the virtual printer did not stop on SIGTERM";
        process_.kill();
        process_.waitForFinished(kStopMs);
    }
}

QStringList VirtualPrinterProcess::paper() {
    stop();
    QFile file(dir_.filePath(QStringLiteral("papel.txt")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QJsonObject VirtualPrinterProcess::state() {
    stop();
    QFile file(stateFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}
