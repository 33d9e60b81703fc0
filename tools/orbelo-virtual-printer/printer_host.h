#pragma once

#include "line_pacer.h"
#include "paper_file.h"
#include "pseudo_terminal.h"
#include "state_lock.h"

#include <sim/virtual_printer.h>

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>
#include <optional>

// Runs one virtual printer on a pseudo-terminal: reads what the client sends, writes what the
// printer answers when it is due, appends the paper to a file and keeps the state file current.
class PrinterHost : public QObject {
    Q_OBJECT
public:
    struct Files {
        QString paper;  // empty: the paper is not kept
        StateLock* state = nullptr;  // none: the fiscal memory is not kept
    };

    // The printer listens at `baud` (at any speed when 0, until a SetComSpeed sets one) and, when
    // `paced`, sends at its pace; bytes the client sends or reads at another speed are garbage to
    // either side, as on a real line.
    PrinterHost(sim::VirtualPrinter& printer, PseudoTerminal& pty, int baud, bool paced, Files files);

    bool start(QString* error);
    // Appends what is printed to the paper file, then saves the state; false (with the reason on
    // stderr) when the state could not be saved.
    bool saveState();

signals:
    // The line went dead (injected disconnect); the host has stopped.
    void hungUp();

private:
    void readLine();
    void pump();
    void writePending();
    void keepPaper();
    // Saves the fiscal memory when it changed since the last save.
    void keepMemory();
    void schedule();
    // Whether the client's side of the line is set to the printer's speed.
    bool sameSpeed() const;

    sim::VirtualPrinter& printer_;
    PseudoTerminal& pty_;
    std::optional<int> speed_;
    bool paced_;
    LinePacer pacer_;
    Files files_;
    PaperFile paperFile_;
    std::unique_ptr<QSocketNotifier> reader_;
    std::unique_ptr<QSocketNotifier> writer_;
    QByteArray unwritten_;  // accepted by the pacer, refused for now by a full pty
    QTimer dueTimer_;
    std::optional<sim::FiscalMemory> saved_;
};
