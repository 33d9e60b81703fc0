#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// A document or report on the paper roll: "== TITLE ==" up to "== FIN TITLE ==" or
// "== CANCELADO TITLE ==" (neither while it is still open).
struct RollBlock {
    QString title;       // "FACTURA A Nro 0001-00000001"
    qsizetype line = 0;  // of its heading, counted from the roll's start
    enum class End { Open, Finished, Cancelled } end = End::Open;

    // The counter it draws its number from ("a", "credit_note_b", "last_z", ...), as the state
    // file names it; empty for unnumbered ones.
    QString counter() const;
    // Its number; 0 when it has none.
    quint32 number() const;
    // What it is, without its number, range or reference: "FACTURA A", "INFORME GLOBAL".
    QString kind() const;
};

// The roll's blocks in order, and what in its shape is wrong (a block begun inside another, an
// end that closes no block).
struct RollReading {
    QList<RollBlock> blocks;
    QStringList faults;
};
RollReading readRoll(const QStringList& lines);

// What the roll and the saved fiscal memory say against each other or against themselves: a
// number used twice or skipped in a counter, a last number the state file does not hold, a
// document open on one and not the other. Empty when they agree.
QStringList auditRoll(const RollReading& roll, const QJsonObject& state);
