#pragma once

#include <QString>

#include <functional>

// Blanks cut from both ends of a text; every other character stays.
QString trimBlanks(const QString& text);

// The Epson tax id as the fiscal page shows it: characters 1-2 of the answer, "-", characters
// 3-10, "-", character 11. A piece beyond the end of the answer gives what exists of it; what
// follows the 11th character is dropped. The answer is read afresh for each of the three pieces.
QString epsonTaxId(const std::function<QString()>& readAnswer);
