#pragma once

#include <QtGlobal>

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
