#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The orbelo-virtual-printer program on its own pseudo-terminal, pointed to by ORBELO_COM<n>.
class PrinterProcess {
public:
    PrinterProcess(const QString& brand, int comPort);
    ~PrinterProcess();
    bool started() const { return !device_.isEmpty(); }

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString device_;
};
