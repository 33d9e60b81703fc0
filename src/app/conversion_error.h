#pragma once

#include "drivers/operation_error.h"

// Raised by a strict conversion of a text into a number, with the numbers and words the original
// platform gives these two failures; the error path shows it as it shows a driver's error.
class ConversionError : public OperationError {
public:
    static constexpr int kOverflow = 6;
    static constexpr int kTypeMismatch = 13;

    using OperationError::OperationError;

    static ConversionError overflow() { return {kOverflow, QStringLiteral("Overflow")}; }
    static ConversionError typeMismatch() { return {kTypeMismatch, QStringLiteral("Type mismatch")}; }
};
