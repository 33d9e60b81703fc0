#pragma once

#include "fiscal_memory.h"
#include "paper_roll.h"

#include <QDateTime>

// The text of everything a fiscal printer prints, shared by both brands. Every document is a
// block that opens with "== TITLE ==" and ends with "== FIN TITLE ==" (or "== CANCELADO TITLE ==");
// inside it each line starts with an upper-case keyword, except free texts, logo rows and the
// owner's lines: the fantasy name and header under the title, the trailer above the close.
namespace sim::printout {

// "FACTURA A Nro 0001-00000001", "RECIBO X 12", "DOCUMENTO NO FISCAL Nro 00000003".
QString documentTitle(const FiscalMemory& memory, const OpenDocument& doc);

// Title, logo, owner's lines, date and time, then the customer and associated-document lines it has.
void documentHead(PaperRoll& paper, const FiscalMemory& memory, const QDateTime& time);
void freeText(PaperRoll& paper, const QString& text);
void item(PaperRoll& paper, const QString& description, Amount quantity, Amount price, Amount taxRate,
          Amount lineTotal);
void deliveryItem(PaperRoll& paper, const QString& description, Amount quantity);
void payment(PaperRoll& paper, const QString& text, Amount amount);
void subtotal(PaperRoll& paper, Amount amount);
// What a printer in training mode prints at the head of a fiscal document or report.
void trainingMode(PaperRoll& paper);
// Totals (fiscal kinds and credit notes) and the closing line.
void documentEnd(PaperRoll& paper, const FiscalMemory& memory, const OpenDocument& doc);
void documentCancelled(PaperRoll& paper, const FiscalMemory& memory, const OpenDocument& doc);
// A power cut cancelled the open document; `restored`, when the printer opened it again.
void powerCut(PaperRoll& paper, const FiscalMemory& memory, const OpenDocument& cut, const QDateTime& time);

// X or Z report: the counters of the day and the last numbers; in training mode, marked so.
void dailyReport(PaperRoll& paper, const FiscalMemory& memory, char kind, int number, const DayTotals& totals,
                 const QDateTime& time, bool training = false);
// Global report over the given Z records (already selected), one line each or one total line.
void globalReport(PaperRoll& paper, const FiscalMemory& memory, const QString& range, const QList<ZRecord>& records,
                  bool totalsOnly, const QDateTime& time);

// The document a printer issues after its clock was set: the time before and the time after.
void dateChanged(PaperRoll& paper, const FiscalMemory& memory, const QDateTime& before, const QDateTime& after);

void drawerOpened(PaperRoll& paper);
void paperCut(PaperRoll& paper);

QString number8(quint32 n);
QString number4(int n);

}  // namespace sim::printout
