#pragma once

#include "bench_window.h"
#include "short_link_limits.h"

#include <QList>
#include <functional>
#include <QString>
#include <QStringList>

// One operation of the window that issues a document, a report or stores the logo.
struct MatrixOperation {
    using Kind = OperationKind;

    QString brand;         // the virtual printer's --brand
    int model = 0;         // the virtual printer's --model (first-generation Hasar only)
    QString entry;         // the window's printer list entry
    QString name;          // as the row shows it
    Kind kind = Kind::TestDocument;
    QString documentCode;  // TestDocument: the window's code ("FA", "NCB", ...)
    // The commands as the printer's --fault names them: hex for the serial printers ("45"), the
    // JSON name for the 2G Hasar ("CerrarDocumento").
    QString closing;       // the command that issues the document
    QString middle;        // a command inside the document, empty when there is none
};

// A fault injected into the virtual printer for one cell.
struct MatrixFault {
    QString name;
    // The --fault arguments for an operation whose closing command is `closing`, sent `closings`
    // times in a clean run (the fault hits the last), with `middle` inside the document.
    std::function<QStringList(const QString& closing, int closings, const QString& middle)> arguments;
    // The technician must plug the printer (back) in before doing anything else.
    bool reconnect = false;
    // The fault lasts this long from the operation's start; the technician waits out what is left
    // of it (paper loaded, printer free) before doing anything else.
    int settleMs = 0;
    // The printer is killed and started again on its state file once it saved a document open.
    bool restartMidDocument = false;
    // Options for the virtual printer itself ("--not-initialised").
    QStringList printerOptions = {};
    // The operations it applies to (a condition only some printers can be in); all when empty.
    bool (*appliesTo)(const MatrixOperation& operation) = nullptr;

    bool applies(const MatrixOperation& operation) const { return !appliesTo || appliesTo(operation); }
};

// How long the matrix's faults last, on the short link limits: busy under the command limit,
// paper out beyond it, as with the program's own limits; a 2G reply slow under the limit and
// beyond it, and a 2G printer out of reach for longer than the driver reads it again after a
// lost reply.
struct MatrixTiming {
    static constexpr int kBusyMs = 1500;
    static constexpr int kPaperOutMs = 3500;
    static constexpr int kChattyMs = 1000;
    static constexpr int kPowerOffMs = 1000;  // back before the last of the close's three sends
    static constexpr int kSlowMs = 1000;
    static constexpr int kTooSlowMs = 4000;
    static constexpr int kUnreachableMs = 6000;
    // An outage on a command starts when the command arrives, after the operation's first requests.
    static constexpr int kOutageStartsMs = 1500;
    static_assert(kBusyMs < short_link_limits::kCommandLimitMs && kPaperOutMs > short_link_limits::kCommandLimitMs);
    static_assert(kSlowMs < short_link_limits::kCommandLimitMs && kTooSlowMs > short_link_limits::kCommandLimitMs);
    static_assert(kUnreachableMs > BenchWindow::kNetworkRereadMs);
};

QList<MatrixOperation> allOperations();
// The first operation of each brand and generation (a test invoice A), for the quick run.
QList<MatrixOperation> reducedOperations();
// The first is the clean run that sets what each operation is expected to issue.
QList<MatrixFault> allFaults();
