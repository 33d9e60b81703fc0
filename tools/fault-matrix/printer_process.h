#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One orbelo-virtual-printer program behind a fixed link path, with its paper roll and state
// file in a folder; it can be started again on the same files, as a printer plugged back in.
class PrinterProcess {
public:
    // `faults` go only to the first start: a printer plugged back in works.
    PrinterProcess(QString program, QString folder, QStringList arguments, QStringList faults);
    ~PrinterProcess();

    // Starts the printer and waits until its line is ready; false (with the reason) otherwise.
    // Starting again keeps the paper and fiscal memory.
    bool start(QString* error);
    // Ends the program cleanly, so its state is saved.
    void stop();
    // Ends it at once, as a power cut: its state is what it last saved.
    void kill();
    // Killed and started again on the same state file and paper roll.
    bool restart(QString* error);
    bool running() const { return process_.state() != QProcess::NotRunning; }

    QString linkPath() const;
    QString statePath() const;
    // Completed documents and reports on the paper roll so far ("== FIN ..." lines).
    int finishedDocuments() const;
    // True when the saved fiscal memory holds a document open.
    bool savedWithDocumentOpen() const;
    // True when the saved fiscal memory holds a logo (the printer is stopped first).
    bool logoStored();

private:
    QString program_;
    QString folder_;
    QStringList arguments_;
    QStringList faults_;
    QProcess process_;
};
