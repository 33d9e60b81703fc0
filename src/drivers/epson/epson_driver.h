#pragma once

#include "drivers/epson_printer.h"
#include "drivers/link/link.h"
#include "drivers/printer_conditions.h"
#include "drivers/link/transport.h"
#include "epson_answer.h"
#include "epson_link.h"
#include "epson_reconcile.h"
#include "epson_requests.h"
#include "epson_status.h"

#include <memory>

// Our Epson fiscal printer driver: each operation becomes one command on the shared link, and
// the answer's status words decide whether it failed. The port opens at the first command after
// PortNumber changes it, stays open, and is closed by any link error so the next command reopens it.
class EpsonDriver : public EpsonPrinter {
public:
    // On the serial port of the COM number written with PortNumber; the resolvers name its
    // device and speed (9600 when none).
    explicit EpsonDriver(PortResolver resolver, SpeedResolver speeds = {});
    // On any byte pipe (a scripted printer in tests).
    explicit EpsonDriver(Transport& transport, LinkOptions options = epsonLinkOptions());
    ~EpsonDriver() override;

    // Ends a wait in progress and every later call with a DriverError (the window is closing).
    void abort();
    // Fed by the link's holds and the conditions its replies report.
    PrinterEvents& events() override { return events_; }

    void PortNumber(qint16 port) override;

    void DailyReport(const QString& kind, const QString& print) override;
    void GlobalReport(const QString& type, const QString& mode, const QString& first, const QString& last) override;
    void FeedPaper(const QString& station, const QString& lines) override;
    void CutPaper() override;
    void OpenDrawer(const QString& drawer) override;
    void SetDateTime(const QString& action, QString& date, QString& time) override;

    bool StatusRequest(const QString& letter) override;
    QString Answer0B() override;
    QString Answer0E() override;
    QString Answer10() override;
    QString Answer11() override;

    void OpenNonFiscalDocument() override;
    void PrintNonFiscalText(const QString& line) override;
    void CloseNonFiscalDocument() override;

    LeftOpen CancelAll() override;
    void OpenTicket() override;
    void TicketItem(const QStringList& fields) override;
    void TicketPayment(const QString& description, const QString& amount, const QString& qualifier) override;
    void CloseTicket() override;

    void OpenTicketInvoice(const QStringList& fields) override;
    void TicketInvoiceItem(const QStringList& fields) override;
    void TicketInvoicePayment(const QString& description, const QString& amount, const QString& qualifier) override;
    void CloseTicketInvoice(const QString& type, const QString& letter, const QString& text) override;
    void CheckServiceText(ServiceText kind, int line, const QString& text) override;
    void SetServiceText(ServiceText kind, int line, const QString& text) override;

private:
    struct Reply {
        EpsonStatus status;
        QList<QByteArray> fields;
        // Why the answer cannot be read (it echoes another command or its status words are
        // garbled); the port is then closed. Empty for a readable answer.
        QString problem;
    };
    // How an answer's status words are taken.
    enum class Judged {
        Raw,       // as they came, outside the issue engine: a status request read for its data
        Readable,  // through the engine; an unreadable answer is an error, a refusal is the caller's
        Refusals,  // through the engine; a refusal the words report is an error too
    };
    // Refuses a field that cannot travel, then opens the port if it is closed.
    void ensureOpen(const EpsonRequest& request);
    // The one way a request reaches the printer. The port or link failing is always a DriverError.
    Reply send(const EpsonRequest& request, Judged judged);
    // One exchange; an answer that echoes another command or has garbled words closes the port.
    Reply exchange(const EpsonRequest& request);

    // What a cancelling payment met: nothing open, a ticket, or a ticket-invoice (cancelled with
    // its own payment command).
    enum class Cancelled { Nothing, Ticket, TicketInvoice };
    Cancelled cancelOpen(const EpsonRequest& ticketCancel, const EpsonRequest& invoiceCancel);
    // The counters once an open document was ended; empty when they cannot be read.
    std::optional<EpsonReconciler::Counters> countersAfterwards();

    std::unique_ptr<Transport> ownTransport_;
    Link link_;
    EpsonReconciler reconciler_{link_};
    PrinterConditions conditions_{link_, epsonConditions};
    PrinterEvents events_{link_, conditions_};
    qint16 port_ = 0;
    EpsonAnswer answer_;
};
