#pragma once

// Every error number the program can show, in one place so none is used twice.
namespace error_number {

// Conversions of text into numbers, numbered as the original platform numbers them.
constexpr int kOverflow = 6;
constexpr int kTypeMismatch = 13;
// An unexpected failure inside the program itself.
constexpr int kInternal = 51;

// Drivers.
constexpr int kDriverUnavailable = 8000;

}  // namespace error_number
