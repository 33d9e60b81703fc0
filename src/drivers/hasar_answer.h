#pragma once

// Where a Hasar reply keeps each datum the program reads, counted as HasarPrinter::Respuesta
// counts them: from 1, the two status words first.
namespace hasar_answer {

// StatusRequest (0x2A): the last numbers, the auxiliary status, and the document status (two hex
// digits for the open document's kind, then two more whose second is 1 when the last one was
// cancelled). The ticket models answer only the fields up to 5. The window reads the last
// credit notes as fields 13 and 14, where the driver copies them.
enum StatusRequest : int {
    kLastInvoiceBC = 3, kAuxiliary, kLastInvoiceA, kDocumentStatus, kLastCreditNoteBC, kLastCreditNoteA,
    kLastCreditNoteBCCopy = 13, kLastCreditNoteACopy,
};

// HistoryCapacity (0x37): how many Z the fiscal memory holds, and the last one.
enum HistoryCapacity : int { kZCapacity = 3, kLastZ };
// GetWorkingMemory (0x67): the documents cancelled, non-fiscal and fiscal since the last Z.
enum WorkingMemory : int { kCancelledToday = 3, kNonFiscalToday, kFiscalToday };
// The closes of a fiscal or homologated document (0x45, 0x81): the number issued. Subtotal
// (0x43): the amount paid so far.
enum OtherReplies : int { kIssuedNumber = 3, kSubtotalPaid = 6 };

// GetInitData (0x73): the tax id, the owner's name, the printer's number and the point of sale.
enum InitData : int { kTaxId = 3, kOwnerName, kPrinterNumber, kPointOfSale = 7 };

// An answer whose whole text (Respuesta(0)) is shorter than this carries no data: the printer is
// not initialised, its fiscal module is closed, or the model lacks the command.
constexpr int kUsableAnswerLength = 10;

}  // namespace hasar_answer
