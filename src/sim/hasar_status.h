#pragma once

#include <QtGlobal>

// The Hasar status words as the virtual printer reports them.
namespace sim::hasar {

constexpr quint16 kPrinterIdle = 0x0080;        // print buffer empty
constexpr quint16 kPrinterBufferFull = 1 << 6;  // a command now is not run and must come again

// Fiscal status bits.
constexpr quint16 kUnknownCommand = 1 << 3;
constexpr quint16 kInvalidField = 1 << 4;
constexpr quint16 kInvalidInState = 1 << 5;
constexpr quint16 kOverflow = 1 << 6;
constexpr quint16 kMemoryFullOrClosed = 1 << 7;
constexpr quint16 kMemoryAlmostFull = 1 << 8;  // 30 daily closes or fewer left
constexpr int kAlmostFullRecords = 30;
constexpr quint16 kCertified = 1 << 9;
constexpr quint16 kFiscalised = 1 << 10;
constexpr quint16 kFiscalDocumentOpen = 1 << 12;
constexpr quint16 kDocumentOpen = 1 << 13;
constexpr quint16 kErrorSummary = 1 << 15;  // OR of bits 0-8
constexpr quint16 kSummarised = 0x01FF;

// Auxiliary status: the flag of training mode, in its most significant digit.
constexpr quint16 kTrainingFlag = 0x8000;

// Parser states of the auxiliary status. The 615 family has 0-9 in one digit (Appendix 4); the
// slip family reads the low two digits as 0-24, with these beyond the 615 family's.
namespace state {
// 23: a delivery note, a receipt X, any other but a credit note.
enum : int {
    kNotInitialised = 1, kIdle = 2, kFiscalOpen = 3, kNonFiscalOpen = 5, kPaidInPart = 6, kPaidInFull = 7,
    kCreditNoteOpen = 12, kBlocked = 22, kHomologatedOpen = 23, kCreditNotePaid = 24,
};
}  // namespace state

}  // namespace sim::hasar
