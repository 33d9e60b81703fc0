#include "roll.h"

#include <sim/printout.h>

#include <QJsonObject>

namespace sim::hasar2g::roll {

namespace {

QString dateTimeLine(const QDateTime& time) {
    return QStringLiteral("FECHA %1 HORA %2")
        .arg(time.date().toString(QStringLiteral("dd/MM/yy")), time.time().toString(QStringLiteral("HH:mm:ss")));
}

// Zones 0-3 (fantasy name, issuer's address, header 1 and 2) head every block; 4-5 close it.
void zoneLines(PaperRoll& paper, const Memory& memory, int fromZone, int toZone) {
    for (int slot = fromZone * Memory::kZoneLines; slot < toZone * Memory::kZoneLines; ++slot)
        if (!memory.zones[slot].isEmpty()) paper.print(paper.fit(memory.zones[slot]));
}

void head(PaperRoll& paper, const Memory& memory, const QString& title, const QDateTime& time) {
    paper.print(QStringLiteral("== %1 ==").arg(title));
    zoneLines(paper, memory, 0, 4);
    paper.print(dateTimeLine(time));
}

void end(PaperRoll& paper, const Memory& memory, const QString& title) {
    zoneLines(paper, memory, 4, Memory::kZones);
    paper.print(QStringLiteral("== FIN %1 ==").arg(title));
}

}  // namespace

QString title(const Memory& memory, const OpenDocument& doc) {
    return QStringLiteral("%1 Nro %2-%3")
        .arg(QLatin1String(documentCode(doc.code)->title))
        .arg(memory.identity.pointOfSale, 5, 10, QLatin1Char('0'))
        .arg(printout::number8(doc.number));
}

void documentHead(PaperRoll& paper, const Memory& memory, const QDateTime& time) {
    const OpenDocument& doc = *memory.open;
    head(paper, memory, title(memory, doc), time);
    const DocumentCode code = *documentCode(doc.code);
    if (code.code == 83 || code.documentClass == DocumentClass::Generic) return;  // no buyer on a plain tique
    if (const auto& c = memory.customer) {
        paper.print(QStringLiteral("CLIENTE %1").arg(paper.fit(c->name)));
        // "TipoCUIT" prints as the document's own name.
        paper.print(QStringLiteral("%1 %2 RESP %3").arg(c->idType.mid(4).toUpper(), c->id, c->responsibility));
        if (!c->address.isEmpty()) paper.print(QStringLiteral("DOMICILIO %1").arg(paper.fit(c->address)));
    }
    for (int i = 0; i < Memory::kAssociatedLines; ++i)
        if (!memory.associated[i].isEmpty()) paper.print(QStringLiteral("DOC ASOCIADO %1 %2").arg(i + 1).arg(memory.associated[i]));
}

void documentEnd(PaperRoll& paper, const Memory& memory, const OpenDocument& doc) {
    const DocumentClass c = documentCode(doc.code)->documentClass;
    if (c == DocumentClass::Fiscal || c == DocumentClass::CreditNote) {
        paper.print(QStringLiteral("TOTAL %1").arg(doc.total.money()));
        paper.print(QStringLiteral("IVA %1").arg(doc.tax.money()));
        if (doc.paid > doc.total) paper.print(QStringLiteral("VUELTO %1").arg(Amount{doc.paid.units - doc.total.units}.money()));
    }
    end(paper, memory, title(memory, doc));
}

void documentCancelled(PaperRoll& paper, const Memory& memory, const OpenDocument& doc, bool powerCut) {
    if (powerCut) paper.print(QStringLiteral("CORTE DE CORRIENTE"));
    paper.print(QStringLiteral("== CANCELADO %1 ==").arg(title(memory, doc)));
}

void dailyReport(PaperRoll& paper, const Memory& memory, char kind, int number, const QJsonObject& fields,
                 const QDateTime& time) {
    const QString t = QStringLiteral("INFORME %1 Nro %2").arg(QLatin1Char(kind)).arg(printout::number4(number));
    head(paper, memory, t, time);
    for (auto it = fields.begin(); it != fields.end(); ++it)
        if (it.key() != QLatin1String("Numero") && it.key() != QLatin1String("Fecha"))
            paper.print(QStringLiteral("%1 %2").arg(it.key(), it.value().toString()));
    for (const DocumentCode& code : documentCodes())
        paper.print(QStringLiteral("ULTIMO %1 %2").arg(QLatin1String(code.title), printout::number8(memory.counter(code.code).last)));
    end(paper, memory, t);
}

void zReport(PaperRoll& paper, const Memory& memory, const QString& range, const QList<ZRecord>& records,
             const QDateTime& time) {
    const QString t = QStringLiteral("INFORME DE CIERRES Z %1").arg(range);
    head(paper, memory, t, time);
    if (records.isEmpty()) paper.print(QStringLiteral("SIN CIERRES Z EN EL RANGO"));
    for (const ZRecord& r : records) {
        paper.print(QStringLiteral("Z %1 %2 FISCALES %3 NC %4 DNFH %5 CANCELADOS %6 VENTAS %7")
                        .arg(printout::number4(r.number), r.date.toString(QStringLiteral("dd/MM/yy")))
                        .arg(r.totals.fiscal)
                        .arg(r.totals.homologated)
                        .arg(r.totals.nonFiscal)
                        .arg(r.totals.cancelled)
                        .arg(r.totals.sold.money()));
    }
    end(paper, memory, t);
}

void dateChanged(PaperRoll& paper, const Memory& memory, const QDateTime& before, const QDateTime& after) {
    const QString t = QStringLiteral("CAMBIO DE FECHA Y HORA");
    paper.print(QStringLiteral("== %1 ==").arg(t));
    paper.print({QStringLiteral("ANTERIOR ") + dateTimeLine(before), QStringLiteral("NUEVA ") + dateTimeLine(after)});
    end(paper, memory, t);
}

}  // namespace sim::hasar2g::roll
