#include "issue_engine.h"

#include "drivers/link/link.h"

using issue_outcome::Reading;

IssueEngine::IssueEngine(Link& link, IssueProbe& probe)
    : IssueEngine(Line{[&link] { return link.isOpen(); }, [&link] { link.reopen(); }, [&link] { link.close(); }}, probe) {}

void IssueEngine::opening(const Document& document, const std::function<void()>& send) {
    before_.reset();
    open_.clear();
    if (document.counted()) {
        Reading before;
        probe_.read(document, before);
        before_ = before;
    }
    send();
    open_ = document.title;
}

void IssueEngine::inside(const std::function<void()>& send) {
    try {
        send();
    } catch (DriverError& failure) {
        if (open_.isEmpty() || !issue_outcome::leavesDoubt(failure)) throw;
        failure.addWords(QStringLiteral("Quedó abierto %1 en el impresor.").arg(open_));
        throw;
    }
}

void IssueEngine::close(const Document& document, const std::function<void()>& send) {
    // A close without a remembered opening (a report, or a document opened in an earlier
    // session) is read just before it leaves.
    Reading before;
    if (before_) before = *before_;
    else if (document.counted()) probe_.read(document, before);
    before_.reset();
    open_.clear();

    try {
        send();
        return;
    } catch (const DriverError& failure) {
        const bool refused = issue_outcome::isRefusal(failure);
        if (!refused && !issue_outcome::leavesDoubt(failure)) throw;
        const Reading after = readAgain(document);
        if (refused) {
            // A plain refusal stays one unless the record moved: then an earlier attempt, lost on
            // the way, was acted on.
            const bool moved = before.counter && after.counter && *before.counter != *after.counter;
            if (!after.reached || !moved) throw;
            tell(document, before, after, failure);
        }
        // Still open: the close never took effect, and sending it again issues the document once.
        if (after.reached && after.documentOpen && !document.report) {
            try {
                send();
                return;
            } catch (const DriverError& again) {
                if (!issue_outcome::isRefusal(again) && !issue_outcome::leavesDoubt(again)) throw;
                tell(document, before, readAgain(document), again);
            }
        }
        tell(document, before, after, failure);
    }
}

Reading IssueEngine::readAgain(const Document& document) {
    Reading reading;
    try {
        if (!line_.isOpen()) line_.reopen();
        probe_.read(document, reading);
        if (reading.counter && document.withPointOfSale) reading.pointOfSale = probe_.pointOfSale();
    } catch (const DriverError&) {
        // Whatever was learnt before the printer went quiet again still counts.
    }
    return reading;
}

void IssueEngine::tell(const Document& document, const Reading& before, const Reading& after, const DriverError& cause) {
    // The next command starts from a fresh synchronisation, as after any link failure.
    line_.close();
    throw issue_outcome::decide(document, before, after, cause);
}
