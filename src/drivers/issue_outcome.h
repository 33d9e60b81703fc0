#pragma once

#include "document_catalogue.h"
#include "operation_error.h"

#include <QString>
#include <optional>

// What the technician is told about a document whose closing command met a failure, decided
// only from what the printer itself records: its counter before the document opened and after
// the failure, whether a document is still open (and paid), and its own mark of a cancel.
namespace issue_outcome {

// True for the link failures after which the command may have reached the printer.
bool leavesDoubt(const DriverError& error);
// True for a printer's refusal of the command: after a lost first attempt it may mean the first
// attempt was acted on, so it too is checked against the printer's record.
bool isRefusal(const DriverError& error);

// What the printer answered when read.
struct Reading {
    bool reached = false;                    // its status answered
    std::optional<quint32> counter;          // the last number of the document's series
    bool documentOpen = false;               // a document is still open
    bool paid = false;                       // ... and holds a payment, so it can only be closed
    bool training = false;                   // training mode: numbers do not move
    // The printer's own mark that its last document was cancelled; empty when it keeps none.
    std::optional<bool> lastCancelled;
    // Its count of cancelled documents, where it keeps one instead of the mark.
    std::optional<quint32> cancelledCount;
    QString pointOfSale;                     // for the number as printed, "0001"; empty when unknown
};

// The error the technician sees, from the reading before the document opened, the reading after
// the failure and the failure itself.
DriverError decide(const Document& document, const Reading& before, const Reading& after, const DriverError& cause);

// The cause in a few words, for inside a verdict: "el impresor no respondió".
QString causeInWords(const DriverError& cause);

}  // namespace issue_outcome
