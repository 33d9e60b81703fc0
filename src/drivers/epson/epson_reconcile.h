#pragma once

#include "drivers/issue_engine.h"
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
    static std::optional<issue_outcome::Document> opened(const EpsonRequest& request);
    static std::optional<issue_outcome::Document> closed(const EpsonRequest& request);

private:
    void read(const issue_outcome::Document& document, issue_outcome::Reading& into) override;
    QString pointOfSale() override;

    Link& link_;
    IssueEngine engine_;
};
