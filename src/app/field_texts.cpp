#include "field_texts.h"

QString trimBlanks(const QString& text) {
    qsizetype first = 0, end = text.size();
    while (first < end && text[first] == QLatin1Char(' ')) ++first;
    while (end > first && text[end - 1] == QLatin1Char(' ')) --end;
    return text.mid(first, end - first);
}

QString epsonTaxId(const std::function<QString()>& readAnswer) {
    // Separate statements: the three reads must happen in this order.
    const QString prefix = readAnswer().mid(0, 2);
    const QString number = readAnswer().mid(2, 8);
    const QString checkDigit = readAnswer().mid(10, 1);
    return prefix + QLatin1Char('-') + number + QLatin1Char('-') + checkDigit;
}
