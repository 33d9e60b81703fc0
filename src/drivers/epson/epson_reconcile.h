#pragma once

#include "drivers/issue_outcome.h"
#include "epson_requests.h"

#include <functional>
#include <optional>

class Link;

// The Epson requests that issue a document or a Z: their counter is read just before, and a
// link failure after the request left is answered by asking the printer again, so the
// technician learns whether the document exists instead of a bare link error.
class EpsonReconciler {
public:
    explicit EpsonReconciler(Link& link) : link_(link) {}

    // Runs `send` (the request on the link); for a request that issues something, a link
    // failure becomes the issued / not issued / unknown error, unless the document is found
    // still open: then the request is sent once more.
    void run(qint16 port, const EpsonRequest& request, const std::function<void()>& send);

private:
    // Where the printer keeps the last number of what the request issues.
    struct Target {
        issue_outcome::Document document;
        int field = 0;  // in the answer to the counters status request; 0 when none
    };
    static std::optional<Target> target(const EpsonRequest& request);
    std::optional<quint32> counter(qint16 port, int field);
    // Reopens the port and reads the counter and the open document; the port stays as it ends.
    issue_outcome::Reading askAgain(qint16 port, const Target& target);
    QString pointOfSale();

    Link& link_;
};
