#pragma once

#include "drivers/status_bits.h"

#include <QtGlobal>

#include <array>

// Bits of the two status words every Epson answer begins with.
namespace epson_bit {

// Printer status word.
constexpr quint16 kMechanismError = 1u << 2;
constexpr quint16 kOffline = 1u << 3;
constexpr quint16 kBufferFull = 1u << 6;
constexpr quint16 kBufferEmpty = 1u << 7;
constexpr quint16 kOutOfPaper = 1u << 14;

// Fiscal status word.
constexpr quint16 kFiscalMemoryFailed = 1u << 0;
constexpr quint16 kWorkingMemoryFailed = 1u << 1;
constexpr quint16 kBatteryLow = 1u << 2;
constexpr quint16 kUnknownCommand = 1u << 3;
constexpr quint16 kInvalidField = 1u << 4;
constexpr quint16 kInvalidState = 1u << 5;
constexpr quint16 kTotalOverflow = 1u << 6;
constexpr quint16 kFiscalMemoryFull = 1u << 7;
constexpr quint16 kFiscalMemoryAlmostFull = 1u << 8;
constexpr quint16 kCertified = 1u << 9;
constexpr quint16 kFiscalized = 1u << 10;
constexpr quint16 kZRequired = 1u << 11;
constexpr quint16 kFiscalDocumentOpen = 1u << 12;
constexpr quint16 kRollDocumentOpen = 1u << 13;
constexpr quint16 kFiscalSummary = 1u << 15;

// Each bit in the maker's terms and how this program treats it. Fiscal errors first: they say
// why the command itself was refused. A weak battery, a Z due and a full or almost full fiscal
// memory last: the command in whose answer they come ran, unless it opened a fiscal document
// and none is open after it.
inline constexpr std::array<StatusBit, 16> kFiscal{{
    {kUnknownCommand, "comando no reconocido", BitKind::Error},
    {kInvalidField, "un campo de datos no es válido", BitKind::Error},
    {kInvalidState, "comando no válido en el estado fiscal actual", BitKind::Error},
    {kTotalOverflow, "el comando desbordaría un total", BitKind::Error},
    {kFiscalMemoryFailed, "error en la memoria fiscal", BitKind::Error},
    {kWorkingMemoryFailed, "error en la memoria de trabajo", BitKind::Error},
    {kFiscalMemoryFull, "memoria fiscal llena", BitKind::Condition, nullptr,
     "no se pueden emitir comprobantes fiscales; revise la memoria fiscal del impresor"},
    {kZRequired, "es necesario hacer un cierre Z", BitKind::Condition, "falta el cierre Z: tómelo con IMPRIMIR Z",
     "tómelo con IMPRIMIR Z y repita la operación"},
    {kBatteryLow, "batería baja", BitKind::Condition, "batería baja del reloj y la memoria de trabajo"},
    {kFiscalMemoryAlmostFull, "memoria fiscal casi llena", BitKind::Condition},
    {kCertified, "impresor certificado", BitKind::Information},
    {kFiscalized, "impresor fiscalizado", BitKind::Information},
    {kFiscalDocumentOpen, "documento fiscal abierto", BitKind::Information},
    {kRollDocumentOpen, "documento abierto en el rollo", BitKind::Information},
    {1u << 14, "documento abierto en hoja suelta", BitKind::Information},
    {kFiscalSummary, "suma de los bits 0 a 8 y 11", BitKind::Information},
}};

inline constexpr std::array<StatusBit, 13> kPrinter{{
    {kOutOfPaper, "falta papel", BitKind::Error},
    {kOffline, "impresora fuera de línea", BitKind::Error},
    {kMechanismError, "error en el mecanismo impresor", BitKind::Error},
    {kBufferFull, "buffer de impresión lleno", BitKind::Error},
    {1u << 4, "poco papel en el diario", BitKind::Condition},
    {1u << 5, "poco papel", BitKind::Condition},
    {kBufferEmpty, "búfer de impresión vacío", BitKind::Information},
    {1u << 8, "entrada frontal de hoja lista", BitKind::Information},
    {1u << 9, "hoja lista para imprimir", BitKind::Information},
    {1u << 10, "entrada de papel de validación lista", BitKind::Information},
    {1u << 11, "papel de validación presente", BitKind::Information},
    {1u << 12, "cajón abierto", BitKind::Information},
    {1u << 15, "suma de los bits 0 a 6 y 14", BitKind::Information},
}};

// What makes an answer a failure: the printer could not or would not carry out the command.
constexpr quint16 kPrinterErrors = maskOf(kPrinter, BitKind::Error);
constexpr quint16 kFiscalErrors = maskOf(kFiscal, BitKind::Error);

}  // namespace epson_bit
