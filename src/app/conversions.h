#pragma once

#include <QString>

// Two ways of reading a number from a text, as the window's operations need them.
namespace conv {

// Lenient: the number with which the text begins. Blanks, tabs and line feeds are skipped, a
// point is the only decimal separator, and a text that does not begin with a number gives 0.
double leadingNumber(const QString& text);

// Strict: the whole text (blanks around it allowed) must be a number, else ConversionError 13
// "Type mismatch". Whole-number results round to the nearest, halves to the even neighbour,
// and a result outside the type's range is ConversionError 6 "Overflow".
double toDouble(const QString& text);
int toInt32(const QString& text);
int toInt32(double value);
qint16 toInt16(double value);

// How many times a count runs a loop: its whole part, 0 below 1. A count beyond a 32-bit
// counter (or not a number) is ConversionError 6 "Overflow" rather than a loop without end.
qint64 runsFor(double count);

// Runs body for the counter values 1, 2, 3, ... while the counter does not exceed count, so a
// count below 1 runs it never and a fractional count runs its whole part.
template <typename Body>
void forEachCount(double count, Body body) {
    const qint64 runs = runsFor(count);
    for (qint64 i = 1; i <= runs; ++i) body(i);
}

}  // namespace conv
