#pragma once

#include "drivers/document_catalogue.h"
#include "drivers/hasar_answer.h"
#include "drivers/status_bits.h"

#include <QtGlobal>
#include <array>

// The Hasar protocol as this driver speaks it, in one place: the command bytes and their names,
// the status bits, the documents each code stands for, and (hasar_answer.h) where each reply
// keeps its data. Readings no manual settles are in hasar_choices.h.

// The command bytes this driver sends.
namespace hasar_command {

constexpr quint8 kStatusRequest = 0x2A;
constexpr quint8 kHistoryCapacity = 0x37;
constexpr quint8 kDailyClose = 0x39;
constexpr quint8 kDailyCloseByDate = 0x3A;
constexpr quint8 kDailyCloseByNumber = 0x3B;
constexpr quint8 kOpenFiscalReceipt = 0x40;
constexpr quint8 kPrintLineItem = 0x42;
constexpr quint8 kSubtotal = 0x43;
constexpr quint8 kTotalTender = 0x44;
constexpr quint8 kCloseFiscalReceipt = 0x45;
constexpr quint8 kOpenNonFiscal = 0x48;
constexpr quint8 kPrintNonFiscalText = 0x49;
constexpr quint8 kCloseNonFiscal = 0x4A;
constexpr quint8 kCutPaper = 0x4B;
constexpr quint8 kSetDateTime = 0x58;
constexpr quint8 kSetHeaderTrailer = 0x5D;
constexpr quint8 kGetHeaderTrailer = 0x5E;
constexpr quint8 kSetFantasyName = 0x5F;
constexpr quint8 kGetConfigurationData = 0x66;
constexpr quint8 kGetFantasyName = 0x92;
constexpr quint8 kSetCustomerData = 0x62;
constexpr quint8 kGetWorkingMemory = 0x67;
constexpr quint8 kGetInitData = 0x73;
constexpr quint8 kOpenDrawer = 0x7B;
constexpr quint8 kOpenHomologated = 0x80;
constexpr quint8 kCloseHomologated = 0x81;
constexpr quint8 kPrintEmbarkItem = 0x82;
constexpr quint8 kStoreLogoData = 0x90;
constexpr quint8 kResetLogoData = 0x91;
constexpr quint8 kSetEmbarkNumber = 0x93;
constexpr quint8 kReceiptText = 0x97;
constexpr quint8 kCancel = 0x98;
constexpr quint8 kSetComSpeed = 0xA0;

// What each command does, in the trace's words.
inline const char* name(quint8 code) {
    switch (code) {
    case kStatusRequest: return "consulta de estado";
    case kHistoryCapacity: return "consulta de capacidad";
    case kDailyClose: return "cierre de jornada X/Z";
    case kDailyCloseByDate: return "informe global por fechas";
    case kDailyCloseByNumber: return "informe global por números de Z";
    case kOpenFiscalReceipt: return "abrir comprobante fiscal";
    case kPrintLineItem: return "ítem";
    case kSubtotal: return "subtotal";
    case kTotalTender: return "pago";
    case kCloseFiscalReceipt: return "cerrar comprobante fiscal";
    case kOpenNonFiscal: return "abrir comprobante no fiscal";
    case kPrintNonFiscalText: return "texto no fiscal";
    case kCloseNonFiscal: return "cerrar comprobante no fiscal";
    case kCutPaper: return "cortar papel";
    case kSetCustomerData: return "datos del comprador";
    case kGetWorkingMemory: return "consulta de la memoria de trabajo";
    case kGetInitData: return "consulta de datos de inicialización";
    case kSetHeaderTrailer: return "encabezamiento y cola";
    case kGetHeaderTrailer: return "consulta de encabezamiento y cola";
    case kSetFantasyName: return "nombre de fantasía";
    case kGetConfigurationData: return "consulta de configuración";
    case kGetFantasyName: return "consulta de nombre de fantasía";
    case kOpenDrawer: return "abrir cajón";
    case kOpenHomologated: return "abrir documento no fiscal homologado";
    case kCloseHomologated: return "cerrar documento no fiscal homologado";
    case kPrintEmbarkItem: return "ítem de remito";
    case kStoreLogoData: return "cargar logo";
    case kResetLogoData: return "borrar logo";
    case kSetEmbarkNumber: return "documento asociado";
    case kReceiptText: return "texto de recibo";
    case kCancel: return "cancelar comprobante";
    case kSetComSpeed: return "cambiar velocidad";
    }
    return "";
}

}  // namespace hasar_command

// The two Hasar status words bit by bit, in the maker's terms (manual of the 615 family,
// appendices 2 and 3), and how this program treats each bit. The paper bits (printer 4 and 5)
// are read by some drivers as "low" and by others as "out"; the printer sends DC4 while it
// waits for paper, so they are conditions here. A full print buffer (printer 6) runs nothing
// and is resent before any reply is judged.
namespace hasar_bits {

inline constexpr std::array<StatusBit, 9> kPrinter{{
    {1u << 2, "falla del mecanismo de impresión", BitKind::Error},
    {1u << 3, "impresora fuera de línea", BitKind::Error},
    {1u << 4, "falta papel del diario", BitKind::Condition},
    {1u << 5, "falta papel de tickets o comprobantes", BitKind::Condition},
    {1u << 6, "búfer de impresión lleno", BitKind::Error},
    {1u << 7, "búfer de impresión vacío", BitKind::Information},
    {1u << 8, "tapa abierta", BitKind::Error},
    {1u << 14, "cajón cerrado o ausente", BitKind::Information},
    {1u << 15, "suma de los bits 2 a 5, 8 y 14", BitKind::Information},
}};

inline constexpr std::array<StatusBit, 15> kFiscal{{
    {1u << 0, "error en la memoria fiscal", BitKind::Error},
    {1u << 1, "error en la memoria de trabajo", BitKind::Error},
    {1u << 3, "comando desconocido", BitKind::Error},
    {1u << 4, "dato no válido en un campo", BitKind::Error},
    {1u << 5, "comando no válido en el estado fiscal actual", BitKind::Error},
    {1u << 6, "desborde de totales", BitKind::Error},
    // "no se permite abrir un comprobante fiscal": everything else still runs.
    {1u << 7, "memoria fiscal llena, bloqueada o dada de baja", BitKind::Condition, nullptr,
     "no se pueden emitir comprobantes fiscales; revise la memoria fiscal del impresor"},
    {1u << 8, "memoria fiscal casi llena", BitKind::Condition, "memoria fiscal casi llena: quedan 30 cierres Z o menos"},
    {1u << 9, "terminal certificada", BitKind::Information},
    {1u << 10, "terminal fiscalizada", BitKind::Information},
    // It stays set until a valid date is entered; on the clock command it is that command's refusal.
    {1u << 11, "fecha no válida", BitKind::Condition, "fecha no válida: cámbiela con CAMBIO DE FECHA Y HORA", nullptr,
     hasar_command::kSetDateTime},
    {1u << 12, "documento fiscal abierto", BitKind::Information},
    {1u << 13, "documento abierto", BitKind::Information},
    {1u << 14, "documento abierto en hoja suelta, o STATPRN activo", BitKind::Information},
    {1u << 15, "suma de los bits 0 a 8", BitKind::Information},
}};

}  // namespace hasar_bits

// The documents by the codes that name them: the kind in the document status of a StatusRequest
// (two hex digits; empty where the status names none), and the opening command with its type.
// One row a code pair, so each document is told by one name whichever reply named it.
namespace hasar_document {

struct Code {
    const char* statusKind;
    quint8 opening;
    char type;  // '\0': the opening has no type
    DocumentId id;
};

inline constexpr std::array<Code, 15> kCodes{{
    {"01", hasar_command::kOpenFiscalReceipt, 'A', DocumentId::InvoiceA},
    {"02", hasar_command::kOpenFiscalReceipt, 'B', DocumentId::InvoiceBC},
    {"03", hasar_command::kOpenFiscalReceipt, 'B', DocumentId::InvoiceBC},
    {"04", hasar_command::kOpenFiscalReceipt, 'D', DocumentId::DebitNoteA},
    {"05", hasar_command::kOpenFiscalReceipt, 'E', DocumentId::DebitNoteBC},
    {"06", hasar_command::kOpenFiscalReceipt, 'E', DocumentId::DebitNoteBC},
    {"0A", hasar_command::kOpenFiscalReceipt, 'T', DocumentId::Ticket},
    {"", hasar_command::kOpenFiscalReceipt, 'a', DocumentId::ReceiptA},
    {"", hasar_command::kOpenFiscalReceipt, 'b', DocumentId::ReceiptBC},
    {"20", hasar_command::kOpenNonFiscal, '\0', DocumentId::NonFiscal},
    {"40", hasar_command::kOpenHomologated, 'R', DocumentId::CreditNoteA},
    {"41", hasar_command::kOpenHomologated, 'S', DocumentId::CreditNoteBC},
    {"42", hasar_command::kOpenHomologated, 'S', DocumentId::CreditNoteBC},
    {"", hasar_command::kOpenHomologated, 'r', DocumentId::DeliveryNote},
    {"", hasar_command::kOpenHomologated, 'x', DocumentId::ReceiptX},
}};

}  // namespace hasar_document
