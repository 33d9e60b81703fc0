#pragma once

#include "paper_file.h"
#include "state_lock.h"

#include <sim/hasar2g/faults.h>
#include <sim/hasar2g/printer.h>

#include <QAbstractHttpServer>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <memory>

// Serves one virtual 2G Hasar over HTTP: POST /fiscal.json, one JSON command per request, with
// optional Basic authentication and the injected faults. Each reply closes its connection, so a
// lost reply is always a connection that ends with nothing, as a client sees it on a real network.
class NetworkHost : public QAbstractHttpServer {
    Q_OBJECT
public:
    struct Settings {
        QHostAddress address;
        quint16 port = 0;
        std::optional<QString> user;  // Basic authentication when set
        QString password;
        QString paper;               // empty: the paper is not kept
        QString statePath;           // empty: the fiscal memory is not kept
        StateLock* state = nullptr;
        QList<sim::hasar2g::Fault> faults;
    };

    NetworkHost(sim::hasar2g::Memory memory, Settings settings);

    bool start(QString* error);
    quint16 port() const { return port_; }
    // Appends what is printed to the paper file, then saves the state; false (with the reason on
    // stderr) when the state could not be saved.
    bool saveState();

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    class Listener;
    bool authorised(const QHttpServerRequest& request) const;
    void keepPaper();
    void keepMemory();
    // Power off now, back after `ms` from the state file.
    void powerCut(int ms);
    void powerReturns();

    std::unique_ptr<sim::hasar2g::Printer> printer_;
    Settings settings_;
    sim::hasar2g::FaultPlan faults_;
    Listener* listener_ = nullptr;
    quint16 port_ = 0;
    PaperFile paperFile_;
    std::optional<sim::hasar2g::Memory> saved_;
};
