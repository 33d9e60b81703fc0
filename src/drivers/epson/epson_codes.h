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
constexpr quint8 kOpenTicketInvoice = 0x60;
constexpr quint8 kTicketInvoiceItem = 0x62;
constexpr quint8 kTicketInvoicePayment = 0x64;
constexpr quint8 kCloseTicketInvoice = 0x65;
constexpr quint8 kOpenDrawer = 0x7B;

}  // namespace epson_code
