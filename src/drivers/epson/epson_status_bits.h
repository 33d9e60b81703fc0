#pragma once

#include <QtGlobal>

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

// What makes an answer a failure: the printer could not or would not carry out the command.
constexpr quint16 kPrinterErrors = kMechanismError | kOffline | kBufferFull | kOutOfPaper;
constexpr quint16 kFiscalErrors = 0x00FF | kZRequired;

}  // namespace epson_bit
