#include "epson_status.h"

#include "drivers/clock_refusal.h"
#include "drivers/error_numbers.h"
#include "epson_codes.h"
#include "drivers/link/link_errors.h"
#include "drivers/link/link_trace.h"
#include "epson_readings.h"
#include "epson_status_bits.h"

#include <QStringList>

namespace {

std::optional<quint16> readWord(const QByteArray& text) {
    if (text.size() != 4) return std::nullopt;
    quint16 value = 0;
    for (char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return std::nullopt;
        value = static_cast<quint16>(value << 4 | digit);
    }
    return value;
}

struct BitText {
    quint16 bit;
    const char* text;
};

// Fiscal conditions first: they say why the command itself was refused.
constexpr BitText kFiscalTexts[] = {
    {epson_bit::kUnknownCommand, "comando no reconocido"},
    {epson_bit::kInvalidField, "un campo de datos no es válido"},
    {epson_bit::kInvalidState, "comando no válido en el estado fiscal actual"},
    {epson_bit::kTotalOverflow, "el comando desbordaría un total"},
    {epson_bit::kFiscalMemoryFull, "memoria fiscal llena"},
    {epson_bit::kZRequired, "es necesario hacer un cierre Z"},
    {epson_bit::kFiscalMemoryFailed, "error en la memoria fiscal"},
    {epson_bit::kWorkingMemoryFailed, "error en la memoria de trabajo"},
    {epson_bit::kBatteryLow, "batería baja"},
};

constexpr BitText kPrinterTexts[] = {
    {epson_bit::kOutOfPaper, "falta papel"},
    {epson_bit::kOffline, "impresora fuera de línea"},
    {epson_bit::kMechanismError, "error en el mecanismo impresor"},
    {epson_bit::kBufferFull, "buffer de impresión lleno"},
};

// Bits that fail no command, in the maker's words.
constexpr BitText kFiscalInfoTexts[] = {
    {epson_bit::kFiscalMemoryAlmostFull, "memoria fiscal casi llena"},
    {epson_bit::kCertified, "impresor certificado"},
    {epson_bit::kFiscalized, "impresor fiscalizado"},
    {epson_bit::kFiscalDocumentOpen, "documento fiscal abierto"},
    {epson_bit::kRollDocumentOpen, "documento abierto en el rollo"},
    {1u << 14, "documento abierto en hoja suelta"},
    {epson_bit::kFiscalSummary, "suma de los bits 0 a 8 y 11"},
};
constexpr BitText kPrinterInfoTexts[] = {
    {1u << 4, "poco papel en el diario"},
    {1u << 5, "poco papel"},
    {epson_bit::kBufferEmpty, "búfer de impresión vacío"},
    {1u << 8, "entrada frontal de hoja lista"},
    {1u << 9, "hoja lista para imprimir"},
    {1u << 10, "entrada de papel de validación lista"},
    {1u << 11, "papel de validación presente"},
    {1u << 12, "cajón abierto"},
    {1u << 15, "suma de los bits 0 a 6 y 14"},
};

template <std::size_t N>
const char* textOf(int bit, const BitText (&table)[N]) {
    for (const BitText& t : table)
        if (t.bit == (1u << bit)) return t.text;
    return nullptr;
}

template <std::size_t E, std::size_t I>
QStringList bitWords(quint16 word, const BitText (&failing)[E], const BitText (&info)[I]) {
    return link_trace::bitMeanings(word, [&](int bit) {
        const char* text = textOf(bit, info);
        return text ? text : textOf(bit, failing);
    });
}

}  // namespace

QString epsonStatusInWords(const QList<QByteArray>& fields) {
    const std::optional<EpsonStatus> s = readStatus(fields);
    if (!s) return {};
    return link_trace::statusWords(s->printer, bitWords(s->printer, kPrinterTexts, kPrinterInfoTexts), s->fiscal,
                                   bitWords(s->fiscal, kFiscalTexts, kFiscalInfoTexts));
}

std::optional<EpsonStatus> readStatus(const QList<QByteArray>& fields) {
    if (fields.size() < 2) return std::nullopt;
    const auto printer = readWord(fields[0]);
    const auto fiscal = readWord(fields[1]);
    if (!printer || !fiscal) return std::nullopt;
    return EpsonStatus{*printer, *fiscal};
}

bool isFailure(EpsonStatus s) {
    return (s.printer & epson_bit::kPrinterErrors) != 0 || (s.fiscal & epson_bit::kFiscalErrors) != 0;
}

bool refusesStatusRequest(EpsonStatus s) {
    return (s.fiscal & kEpsonReadings.statusRequestRefusal) != 0;
}

bool cancelFoundNothing(EpsonStatus s) {
    const quint16 fiscalErrors = s.fiscal & epson_bit::kFiscalErrors;
    return (s.printer & epson_bit::kPrinterErrors) == 0 && (s.fiscal & epson_bit::kFiscalDocumentOpen) == 0 &&
           fiscalErrors != 0 && (fiscalErrors & ~kEpsonReadings.cancelNothingOpen) == 0;
}

bool cancelMetAnOpenDocument(EpsonStatus s) {
    return (s.printer & epson_bit::kPrinterErrors) == 0 && (s.fiscal & epson_bit::kFiscalDocumentOpen) != 0;
}

DriverError failureError(quint8 command, EpsonStatus s) {
    QStringList reasons;
    for (const BitText& t : kFiscalTexts)
        if ((s.fiscal & t.bit) != 0) reasons << QString::fromUtf8(t.text);
    for (const BitText& t : kPrinterTexts)
        if ((s.printer & t.bit) != 0) reasons << QString::fromUtf8(t.text);
    const int number = (s.fiscal & epson_bit::kFiscalErrors) != 0 ? error_number::kPrinterRefused
                                                                   : error_number::kPrinterFault;
    const QString text = QStringLiteral("El impresor rechazó el comando %1: %2")
                             .arg(link_error::commandCode(command), reasons.join(QStringLiteral("; ")));
    const bool clockRefused = number == error_number::kPrinterRefused && command == epson_code::kSetDateTime;
    return DriverError(number, clockRefused ? withClockRefusalAdvice(text) : text);
}
