#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The lines of a shop's own texts a printer keeps and prints on every document: the fantasy
// name (above the business name) and the header (lines 1-10) and trailer (11-20) lines.
enum class ServiceText { FantasyName, HeaderTrailer };

inline constexpr int kLastHeaderLine = 10;
inline constexpr char kDelete = 0x7F;
inline constexpr quint8 kDoubleWidth = 0xF4;

// "Línea Nº 3 del encabezado", "Línea Nº 12 del pie", "Línea Nº 1 del nombre de fantasía".
QString serviceLineName(ServiceText kind, int line);

// The lines a printer keeps for a kind of text, and how many characters each takes.
struct ServiceLimits {
    int first = 1;
    int last = 0;
    int length = 0;
};

// A refused line with what to do: the printers take them only with no document open.
QString withServiceRefusalAdvice(const QString& refusal);

// DriverError when the printer keeps no such line.
void checkServiceLine(ServiceText kind, int line, const ServiceLimits& limits);

// The field a line's text goes in, in the brand's character set (`encode`): DEL alone for an
// empty text. DriverError naming the line when the line does not exist there, a character is
// not in the set, or the text is longer than the line takes (half as long in double width).
QByteArray serviceField(ServiceText kind, int line, const QString& text, const ServiceLimits& limits,
                        const std::function<QByteArray(const QString&)>& encode);
