#pragma once

#include "drivers/issue_outcome.h"
#include "drivers/link/frame.h"

#include <optional>

class Link;

// The Hasar commands that issue a document or a Z: their counters are read just before, and a
// link failure after the command left is answered by asking the printer again, so the
// technician learns whether the document exists instead of a bare link error.
class HasarReconciler {
public:
    explicit HasarReconciler(Link& link) : link_(link) {}

    // The reply to the command, as Link::exchange gives it; for a command that issues something,
    // a link failure becomes the issued / not issued / unknown error, unless the document is
    // found still open: then the close is sent once more.
    frame::Frame exchange(int comPort, quint8 code, const QList<QByteArray>& fields);

private:
    // Where the printer keeps the last number of what the command issues.
    struct Target {
        issue_outcome::Document document;
        quint8 query = 0;  // the query that answers it; 0 when no query does
        int field = 0;     // its field in that answer
    };
    std::optional<Target> target(quint8 code, const QList<QByteArray>& fields) const;
    // Reopens the port and reads the counter and the open document; the port stays as it ends.
    issue_outcome::Reading askAgain(int comPort, const Target& target);
    QString pointOfSale();

    Link& link_;
    // The type field of the last opening command: it names the document a close issues.
    quint8 openedWith_ = 0;
    QByteArray openedType_;
};
