#pragma once

#include <QtGlobal>

// The virtual Epson's own reading of the command codes it answers and of the status bits it
// sets. It is kept apart from the driver's, so a driver that misreads the protocol meets a
// printer that does not share the slip.
namespace sim::epson_code {

// In code order, as the Epson numbers them.
enum Code : quint8 {
    kStatus = 0x2A, kDailyClose = 0x39, kGlobalByDate = 0x3A, kGlobalByNumber = 0x3B,
    kOpenTicket = 0x40, kTicketItem = 0x42, kTicketPayment = 0x44, kCloseTicket = 0x45,
    kOpenNonFiscal = 0x48, kNonFiscalText = 0x49, kCloseNonFiscal = 0x4A, kCutPaper = 0x4B,
    kFeedTicket = 0x50, kFeedJournal = 0x51, kFeedBoth = 0x52, kFeedSlip = 0x53,
    kSetDateTime = 0x58, kGetDateTime = 0x59, kSetHeaderTrailer = 0x5D,
    kOpenTicketInvoice = 0x60, kTicketInvoiceItem = 0x62, kTicketInvoicePayment = 0x64,
    kCloseTicketInvoice = 0x65, kOpenDrawer = 0x7B,
};

}  // namespace sim::epson_code

namespace sim::epson_bit {

// Printer status word: the virtual roll never jams, runs out or fills its buffer.
constexpr quint16 kBufferEmpty = 1u << 7;

// Fiscal status word.
constexpr quint16 kBatteryLow = 1u << 2;  // a warning: every command still runs
constexpr quint16 kUnknownCommand = 1u << 3;
constexpr quint16 kInvalidField = 1u << 4;
constexpr quint16 kInvalidState = 1u << 5;
constexpr quint16 kTotalOverflow = 1u << 6;
constexpr quint16 kFiscalMemoryFull = 1u << 7;
constexpr quint16 kFiscalMemoryAlmostFull = 1u << 8;
constexpr quint16 kCertified = 1u << 9;
constexpr quint16 kFiscalized = 1u << 10;
constexpr quint16 kZRequired = 1u << 11;  // no fiscal document opens until a Z
constexpr quint16 kFiscalDocumentOpen = 1u << 12;
constexpr quint16 kRollDocumentOpen = 1u << 13;
constexpr quint16 kFiscalSummary = 1u << 15;

// Bits 0-7 and "Z required" are errors; any of them, or an almost full memory, raises the summary bit.
constexpr quint16 kFiscalErrors = 0x00FF | kZRequired;

}  // namespace sim::epson_bit
