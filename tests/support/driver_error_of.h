#pragma once

#include "drivers/operation_error.h"

#include <functional>

// The number of the DriverError a call raises, 0 when it raises none; its description goes to
// *description when the call fails.
inline int driverErrorOf(const std::function<void()>& call, QString* description) {
    try {
        call();
    } catch (const DriverError& e) {
        *description = e.description();
        return e.number();
    }
    return 0;
}
