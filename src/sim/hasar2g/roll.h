#pragma once

#include "memory.h"
#include "protocol.h"

#include <sim/paper_roll.h>

#include <QDateTime>

// What the virtual 2G Hasar prints, in the same block form as the first-generation printers:
// "== TITLE ==" ... "== FIN TITLE ==" (or "== CANCELADO TITLE =="), the zones' owner's lines
// under the title and above the close.
namespace sim::hasar2g::roll {

// "TIQUE FACTURA A Nro 00001-00000001".
QString title(const Memory& memory, const OpenDocument& doc);
// Title, head zones, date and time, then the buyer and associated documents of invoices and notes.
void documentHead(PaperRoll& paper, const Memory& memory, const QDateTime& time);
void documentEnd(PaperRoll& paper, const Memory& memory, const OpenDocument& doc);
void documentCancelled(PaperRoll& paper, const Memory& memory, const OpenDocument& doc, bool powerCut);
// The X or Z report with its counts by kind.
void dailyReport(PaperRoll& paper, const Memory& memory, char kind, int number, const QJsonObject& fields,
                 const QDateTime& time);
void zReport(PaperRoll& paper, const Memory& memory, const QString& range, const QList<ZRecord>& records,
             const QDateTime& time);
void dateChanged(PaperRoll& paper, const Memory& memory, const QDateTime& before, const QDateTime& after);

}  // namespace sim::hasar2g::roll
