#pragma once

#include "drivers/document_catalogue.h"
#include "drivers/status_bits.h"

#include <QtGlobal>
#include <array>

// The Epson protocol as this driver speaks it, in one place: the command codes and their names,
// the status bits, and the documents each request names. Readings public material leaves open
// are in epson_choices.h.

// Command codes of the classic Epson fiscal protocol that this program sends or answers.
namespace epson_code {

constexpr quint8 kStatus = 0x2A;
constexpr quint8 kDailyClose = 0x39;
constexpr quint8 kGlobalByDate = 0x3A;
constexpr quint8 kGlobalByNumber = 0x3B;
constexpr quint8 kOpenTicket = 0x40;
constexpr quint8 kTicketItem = 0x42;
constexpr quint8 kTicketPayment = 0x44;
constexpr quint8 kCloseTicket = 0x45;
constexpr quint8 kOpenNonFiscal = 0x48;
constexpr quint8 kNonFiscalText = 0x49;
constexpr quint8 kCloseNonFiscal = 0x4A;
constexpr quint8 kCutPaper = 0x4B;
constexpr quint8 kFeedTicket = 0x50;
constexpr quint8 kFeedJournal = 0x51;
constexpr quint8 kFeedBoth = 0x52;
constexpr quint8 kFeedSlip = 0x53;
constexpr quint8 kSetDateTime = 0x58;
constexpr quint8 kGetDateTime = 0x59;
constexpr quint8 kSetHeaderTrailer = 0x5D;
constexpr quint8 kOpenTicketInvoice = 0x60;
constexpr quint8 kTicketInvoiceItem = 0x62;
constexpr quint8 kTicketInvoicePayment = 0x64;
constexpr quint8 kCloseTicketInvoice = 0x65;
constexpr quint8 kOpenDrawer = 0x7B;

// What each command does, in the trace's words.
inline const char* name(quint8 code) {
    switch (code) {
    case kStatus: return "consulta de estado";
    case kDailyClose: return "cierre de jornada X/Z";
    case kGlobalByDate: return "informe global por fechas";
    case kGlobalByNumber: return "informe global por números de Z";
    case kOpenTicket: return "abrir tique";
    case kTicketItem: return "ítem de tique";
    case kTicketPayment: return "pago de tique";
    case kCloseTicket: return "cerrar tique";
    case kOpenNonFiscal: return "abrir comprobante no fiscal";
    case kNonFiscalText: return "texto no fiscal";
    case kCloseNonFiscal: return "cerrar comprobante no fiscal";
    case kCutPaper: return "cortar papel";
    case kFeedTicket: return "avanzar papel del tique";
    case kFeedJournal: return "avanzar papel del diario";
    case kFeedBoth: return "avanzar papel";
    case kFeedSlip: return "avanzar hoja suelta";
    case kSetDateTime: return "fijar fecha y hora";
    case kSetHeaderTrailer: return "encabezado y pie";
    case kGetDateTime: return "consultar fecha y hora";
    case kOpenTicketInvoice: return "abrir tique-factura";
    case kTicketInvoiceItem: return "ítem de tique-factura";
    case kTicketInvoicePayment: return "pago de tique-factura";
    case kCloseTicketInvoice: return "cerrar tique-factura";
    case kOpenDrawer: return "abrir cajón";
    }
    return "";
}

}  // namespace epson_code

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

// Where the answers keep the data the driver reads: fields counted from 1, the status words first.
namespace epson_field {

// The counters status request ("A"): where each series' number is kept, the last one printed and,
// where the printer keeps it apart, the last one fully issued (a cancelled document is printed
// but never issued).
struct Counter {
    Series series;
    int printed;
    int issued;  // 0 when the printer keeps no such count
};

inline constexpr std::array<Counter, 6> kCounters{{
    {Series::Z, 3, 0},         {Series::InvoiceBC, 5, 4},    {Series::InvoiceA, 7, 6},
    {Series::NonFiscal, 8, 0}, {Series::CreditNoteA, 11, 0}, {Series::CreditNoteBC, 12, 0},
}};

// The taxpayer status request ("C"): the point of sale.
constexpr int kPointOfSale = 4;

}  // namespace epson_field

// The documents the invoice requests (0x60 opens, 0x65 closes) name by their type and letter.
namespace epson_document {

struct InvoiceType {
    char type;
    char letter;  // '*' for any letter but A
    DocumentId id;
};

inline constexpr std::array<InvoiceType, 10> kInvoiceTypes{{
    {'T', 'A', DocumentId::TicketInvoiceA}, {'T', '*', DocumentId::TicketInvoiceBC},
    {'F', 'A', DocumentId::InvoiceA},       {'F', '*', DocumentId::InvoiceBC},
    {'D', 'A', DocumentId::DebitNoteA},     {'D', '*', DocumentId::DebitNoteBC},
    {'M', 'A', DocumentId::CreditNoteA},    {'M', '*', DocumentId::CreditNoteBC},
    {'N', 'A', DocumentId::CreditNoteA},    {'N', '*', DocumentId::CreditNoteBC},
}};

}  // namespace epson_document
