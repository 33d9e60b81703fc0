#pragma once

#include "drivers/issue_engine.h"
#include "drivers/left_open.h"
#include "epson_requests.h"

#include <functional>
#include <optional>

class Link;

// The Epson side of the issue engine: which request opens or closes which document (by its
// type and letter), and where the printer records that document's number, whether one is open,
// and, for invoices and tickets, whether the last one printed was also issued.
class EpsonReconciler : private IssueProbe {
public:
    explicit EpsonReconciler(Link& link) : link_(link), engine_(link, *this) {}

    // Runs `send` (the request on the open link, raising DriverError on any failure). An opening
    // has the printer's record read first; a close goes through the engine, which raises its
    // verdict on any doubt.
    void run(const EpsonRequest& request, const std::function<void()>& send);

    // The document a request opens or closes; none for any other request.
    static std::optional<Document> opened(const EpsonRequest& request);
    static std::optional<Document> closed(const EpsonRequest& request);

    // What the counters request says now: whether a document is open, and its answer's fields.
    struct Counters {
        bool documentOpen = false;
        // Only a non-fiscal document is open: no cancel ends it, its own close does.
        bool nonFiscalOpen = false;
        QList<QByteArray> fields;
    };
    // Empty when the printer refuses the request or its answer cannot be read.
    std::optional<Counters> counters();
    // What a cancel ended (by the ticket's cancel, or the ticket-invoice's), named by the series
    // whose last printed number moved (a cancel uses its number up), with that number.
    LeftOpen cancelled(bool byTicketCancel, const std::optional<Counters>& before, const std::optional<Counters>& after);
    // The non-fiscal document a close ended, with the number the counters give it afterwards.
    LeftOpen closedNonFiscal(const std::optional<Counters>& after);

private:
    void read(const Document& document, issue_outcome::Reading& into) override;
    QString pointOfSale() override;

    Link& link_;
    IssueEngine engine_;
};
