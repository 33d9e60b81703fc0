#pragma once

#include <QString>

// A counter with more digits than this is no counter a fiscal printer keeps (real ones have 4
// to 8); it also bounds the work done on an absurd answer field.
constexpr int kMaxCounterDigits = 18;

// How the fiscal page shows a counter read from the printer: the number the field begins with
// (blanks ignored, optional sign, a point as the decimal separator, 0 when there is none),
// rounded to a whole number with halves going to the even neighbour, and written with at least
// `width` digits, zeros in front. The digits are kept exactly, however long the number, up to
// kMaxCounterDigits; beyond that it raises ConversionError 6 "Overflow".
QString counterText(const QString& field, int width);
