#pragma once

#include "issue_outcome.h"

#include <functional>
#include <optional>

class Link;

// What a brand reads from its own printer for the engine, on the open link.
class IssueProbe {
public:
    virtual ~IssueProbe() = default;
    // Fills in what the printer records for the document's series; a DriverError when it stops
    // answering leaves what was filled in so far.
    virtual void read(const Document& document, issue_outcome::Reading& into) = 0;
    // The point of sale as printed ("0001"), only for the message; empty when it does not tell.
    virtual QString pointOfSale() = 0;
};

// Exactly once for every command that issues a document: the printer's record is read before
// the document opens, and any doubt about its close is settled by reading the record again
// before the technician is told anything. Both brands and the cancel's closes go through it.
class IssueEngine {
public:
    // The connection to the printer, as the engine needs it after a failure: whether it is still
    // open, opening it again, and closing it before a verdict.
    struct Line {
        std::function<bool()> isOpen;
        std::function<void()> reopen;
        std::function<void()> close;
    };

    IssueEngine(Link& link, IssueProbe& probe);
    IssueEngine(Line line, IssueProbe& probe) : line_(std::move(line)), probe_(probe) {}

    // Reads what the printer records now, then runs `send`, the document's opening command. A
    // failure here has issued nothing and stays the plain error it is.
    void opening(const Document& document, const std::function<void()>& send);
    // Runs `send`, any other command; inside an open document, a link failure names the document
    // it leaves open.
    void inside(const std::function<void()>& send);
    // Runs `send`, the document's closing command, which raises DriverError on any failure, a
    // refusal included. A doubt becomes the printer's verdict; a document found still open is
    // closed once more.
    void close(const Document& document, const std::function<void()>& send);

private:
    // Reopens the port when a failure closed it and reads the record; never throws.
    issue_outcome::Reading readAgain(const Document& document);
    [[noreturn]] void tell(const Document& document, const issue_outcome::Reading& before,
                           const issue_outcome::Reading& after, const DriverError& cause);

    Line line_;
    IssueProbe& probe_;
    std::optional<issue_outcome::Reading> before_;
    QString open_;  // the document opened and not yet closed; empty when none
};
