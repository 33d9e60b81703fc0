#pragma once

#include "drivers/issue_outcome.h"
#include "drivers/link/frame.h"

#include <optional>

// The data fields of the StatusRequest reply that tell about documents: the last number of each
// series, and the document status (the kind of the open document, and the mark of the last one
// cancelled). The ticket models answer only the last invoice numbers.
namespace hasar_status_field {

// The last number of the series; empty when the reply does not carry it.
std::optional<quint32> lastNumber(const frame::Frame& status, Series series);

// True when the document status marks the last document cancelled; empty without that field.
std::optional<bool> lastCancelled(const frame::Frame& status);

// The open document the document status names ("FACTURA A" and its series); empty when the
// field is missing, names nothing open, or names a kind not listed here.
std::optional<Document> openDocument(const frame::Frame& status);

}  // namespace hasar_status_field
