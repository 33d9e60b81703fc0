#pragma once

#include "operation_error.h"

#include <QString>
#include <optional>

// After a link failure on a command that issues a document, what the printer says when asked
// again decides what the technician is told: issued (do not repeat), not issued (repeat), or
// unknown (check the last number first). Both brands share the decision and the texts.
namespace issue_outcome {

// True for the link failures after which the command may have reached the printer.
bool leavesDoubt(const DriverError& error);

// What the printer answered when asked again after the failure.
struct Reading {
    bool reached = false;                 // it answered at all
    std::optional<quint32> counter;       // the last number of this kind of document, if it tells
    bool documentOpen = false;            // a document is still open
    QString pointOfSale;                  // for the number as printed, "0001"; empty when unknown
};

// The document in doubt: "FACTURA A", "CIERRE Z"; `counted` when the printer keeps its number.
struct Document {
    QString title;
    bool counted = false;
    bool withPointOfSale = true;  // the number is shown as point of sale and number
};

// The error the technician sees, from the counter read before the command and the reading after.
DriverError decide(const Document& document, std::optional<quint32> before, const Reading& after,
                   const DriverError& cause);

}  // namespace issue_outcome
