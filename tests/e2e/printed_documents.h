#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One document as it came out on the paper roll: from its "== TITLE ==" line to its closing line.
struct PrintedDocument {
    enum class End { Completed, Cancelled, LeftOpen };

    QString title;     // "FACTURA A Nro 0001-00000001"
    QStringList body;  // the lines between the opening and the closing line
    End end = End::LeftOpen;

    // Body lines that begin with `prefix` ("ITEM ", "PAGO ").
    QStringList linesStartingWith(const QString& prefix) const;
};

// The documents and reports on the roll, in print order.
QList<PrintedDocument> printedDocuments(const QStringList& paper);
