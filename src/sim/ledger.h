#pragma once

#include "fiscal_memory.h"

#include <QDateTime>

// The fiscal rules both brands share: numbering, day totals and the daily close. The brand
// command sets decide when a command is allowed; these functions only keep the books.
namespace sim {

// Where the last number of a series is kept; null for unnumbered documents.
quint32* numberSlot(FiscalMemory& memory, Series series);
quint32 lastNumber(const FiscalMemory& memory, Series series);

// Whether a document ended uses up its number: a printer in training mode prints the next
// number but keeps it.
enum class Numbering { UseUp, Keep };

// Opens a document of this kind with the number it will carry.
OpenDocument& beginDocument(FiscalMemory& memory, DocumentKind kind);
// Closes the open document: its number becomes the last of its series and it counts in the
// day. Returns its number (0 for unnumbered kinds).
quint32 finishDocument(FiscalMemory& memory, Numbering numbering = Numbering::UseUp);
// Cancels the open document: its number is used up and it counts as cancelled (a non-fiscal
// document, which is printed as it goes, still counts as non-fiscal).
void cancelDocument(FiscalMemory& memory, Numbering numbering = Numbering::UseUp);
// Power lost with a document open: it is cancelled. With `restore` (a Hasar on power return,
// re-executing the commands it kept) the same document opens again under the next number.
void cutPower(FiscalMemory& memory, bool restore);

bool dayHasDocuments(const FiscalMemory& memory);
bool memoryFull(const FiscalMemory& memory);
// Records the daily close and starts a new day.
const ZRecord& closeDay(FiscalMemory& memory, QDate date);
// A daily close in training mode: a new day starts, and nothing is written to the fiscal memory.
void closeTrainingDay(FiscalMemory& memory);

// The printer's own clock.
QDateTime printerTime(const FiscalMemory& memory, qint64 nowMs);

}  // namespace sim
