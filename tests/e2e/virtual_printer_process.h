#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// One orbelo-virtual-printer program on its own pseudo-terminal, with its paper roll and state
// file in a temporary folder; stopped (and its state saved) when the object goes.
class VirtualPrinterProcess {
public:
    // Starts the printer and waits for the device path it prints; fails the test otherwise.
    explicit VirtualPrinterProcess(const QString& brand, const QStringList& extraArguments = {});
    ~VirtualPrinterProcess();

    bool started() const { return !device_.isEmpty(); }
    QString device() const { return device_; }
    QString stateFile() const { return dir_.filePath(QStringLiteral("estado.json")); }

    // Ends the program cleanly (it saves its state on the way out).
    void stop();
    // The paper roll as printed so far (the printer is stopped first so nothing is pending).
    QStringList paper();
    // The saved fiscal memory (the printer is stopped first).
    QJsonObject state();

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString device_;
};
