#include "printer_process.h"

#include <QDeadlineTimer>

PrinterProcess::PrinterProcess(const QString& brand, int comPort) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(ORBELO_VIRTUAL_PRINTER),
                   {QStringLiteral("--brand"), brand, QStringLiteral("--state"), dir_.filePath(QStringLiteral("estado.json"))});
    const QDeadlineTimer deadline(10000);
    while (!process_.canReadLine() && process_.state() != QProcess::NotRunning && !deadline.hasExpired())
        process_.waitForReadyRead(100);
    device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    if (started()) qputenv(QStringLiteral("ORBELO_COM%1").arg(comPort).toLatin1(), device_.toLocal8Bit());
}

PrinterProcess::~PrinterProcess() {
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
}
