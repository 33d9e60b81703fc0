#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// One orbelo-virtual-printer program with its paper roll and state file in a temporary folder,
// reached through a fixed link in that folder (a 2G Hasar: a fixed address on this computer):
// started again, it is the same printer on the same port, as one switched off and on. Stopped (its
// state saved) when the object goes.
class VirtualPrinterProcess {
public:
    // `arguments` go to the program at every start but the faults (--fault ...), which go only to
    // the first: a printer plugged back in works. An empty `program` is the one built with this tree.
    explicit VirtualPrinterProcess(const QString& brand, const QStringList& arguments = {}, QString program = {});
    ~VirtualPrinterProcess();
    VirtualPrinterProcess(const VirtualPrinterProcess&) = delete;
    VirtualPrinterProcess& operator=(const VirtualPrinterProcess&) = delete;

    // The program built with this tree.
    static QString builtProgram();

    // Starts the printer (stopping it first if it runs) and waits until its line is ready;
    // false, with the reason in `error` when given, otherwise. Paper and fiscal memory carry over.
    bool start(QString* error = nullptr);
    // Arguments for the next start only (faults, a condition it is switched on in), after the
    // constructor's: each start of a soak brings its own faults.
    void armNextStart(const QStringList& arguments) { nextStart_ = arguments; }
    // Ends the program with SIGTERM, so it saves its state; false when it had to be killed.
    bool stop();
    // Ends it at once, as a printer switched off: nothing is saved on the way out.
    void kill();
    bool running() const { return process_.state() != QProcess::NotRunning; }

    // What ORBELO_COM<n> names to reach the printer; the same across starts (a 2G Hasar's address
    // is known once it first started).
    QString device() const {
        return network_ ? QStringLiteral("http://127.0.0.1:%1").arg(port_) : dir_.filePath(QStringLiteral("com"));
    }
    QString stateFile() const { return dir_.filePath(QStringLiteral("estado.json")); }
    QString paperFile() const { return dir_.filePath(QStringLiteral("papel.txt")); }

    // The paper roll as printed so far; the printer is stopped first so nothing is pending.
    QStringList paper();
    // The saved fiscal memory; the printer is stopped first.
    QJsonObject state();
    // Documents and reports completed on the roll so far ("== FIN ..." lines), while it runs.
    int finishedDocuments() const;
    // Whether its last save holds a document open, read while it runs.
    bool savedWithDocumentOpen() const;

private:
    QString program_;
    bool network_;
    int port_ = 0;  // a 2G Hasar's, once it first started
    QStringList arguments_;
    QStringList nextStart_;
    bool startedOnce_ = false;
    QTemporaryDir dir_;
    QProcess process_;
};
