#pragma once

#include "drivers/link/frame.h"
#include "drivers/operation_error.h"

#include <optional>

// The two status words at the head of every Hasar reply.
struct HasarStatus {
    quint16 printer = 0;
    quint16 fiscal = 0;
};

// The status words of a reply to the command; DriverError when they are missing or not hex.
HasarStatus readStatus(quint8 command, const frame::Frame& reply);

// The error the status words report for the command, if any.
std::optional<DriverError> statusError(quint8 command, const HasarStatus& status);

// True when the status says a document is open.
bool documentOpen(const HasarStatus& status);
