#include "printout.h"

#include <iterator>

namespace sim::printout {

namespace {

QString dateTimeLine(const QDateTime& time) {
    return QStringLiteral("FECHA %1 HORA %2")
        .arg(time.date().toString(QStringLiteral("dd/MM/yy")), time.time().toString(QStringLiteral("HH:mm:ss")));
}

QString idLabel(const QString& idType) {
    if (idType == QLatin1String("C")) return QStringLiteral("CUIT");
    if (idType == QLatin1String("L")) return QStringLiteral("CUIL");
    if (idType == QLatin1String("2")) return QStringLiteral("DNI");
    return QStringLiteral("DOC");
}

void totalsLines(PaperRoll& paper, const DayTotals& t) {
    paper.print(QStringLiteral("DOC FISCALES %1").arg(t.fiscal));
    paper.print(QStringLiteral("DOC CANCELADOS %1").arg(t.cancelled));
    paper.print(QStringLiteral("DNFH %1").arg(t.homologated));
    paper.print(QStringLiteral("DOC NO FISCALES %1").arg(t.nonFiscal));
    paper.print(QStringLiteral("VENTAS %1").arg(t.sold.money()));
    paper.print(QStringLiteral("IVA %1").arg(t.tax.money()));
    paper.print(QStringLiteral("NOTAS DE CREDITO %1").arg(t.credited.money()));
    paper.print(QStringLiteral("IVA NOTAS DE CREDITO %1").arg(t.creditedTax.money()));
}

// Stored lines that are set, cut to the paper: a state file may come from a wider model.
void ownerLines(PaperRoll& paper, const QString* from, const QString* to) {
    for (; from != to; ++from)
        if (!from->isEmpty()) paper.print(paper.fit(*from));
}

// The owner's lines under a title: the fantasy name, then the header lines 1-10.
void ownerHead(PaperRoll& paper, const FiscalMemory& memory) {
    ownerLines(paper, std::begin(memory.fantasyName), std::end(memory.fantasyName));
    ownerLines(paper, memory.headerTrailer, memory.headerTrailer + FiscalMemory::kHeaderLines);
}

// The trailer lines 11-20, above a closing line.
void ownerTrailer(PaperRoll& paper, const FiscalMemory& memory) {
    ownerLines(paper, memory.headerTrailer + FiscalMemory::kHeaderLines, std::end(memory.headerTrailer));
}

DayTotals sum(const QList<ZRecord>& records) {
    DayTotals out;
    for (const ZRecord& r : records) {
        out.fiscal += r.totals.fiscal;
        out.cancelled += r.totals.cancelled;
        out.homologated += r.totals.homologated;
        out.nonFiscal += r.totals.nonFiscal;
        // Each day fits the range; their sum is shown saturated rather than wrapped.
        out.sold = add(out.sold, r.totals.sold).value_or(Amount{Amount::kMax});
        out.tax = add(out.tax, r.totals.tax).value_or(Amount{Amount::kMax});
        out.credited = add(out.credited, r.totals.credited).value_or(Amount{Amount::kMax});
        out.creditedTax = add(out.creditedTax, r.totals.creditedTax).value_or(Amount{Amount::kMax});
    }
    return out;
}

}  // namespace

QString number8(quint32 n) {
    return QStringLiteral("%1").arg(n, 8, 10, QLatin1Char('0'));
}

QString number4(int n) {
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

QString documentTitle(const FiscalMemory& memory, const OpenDocument& doc) {
    const DocumentKindInfo& kind = info(doc.kind);
    const QString title = QLatin1String(kind.title);
    if (kind.series == Series::Unnumbered) return title + QLatin1Char(' ') + doc.reference;
    if (kind.series == Series::NonFiscal) return title + QStringLiteral(" Nro ") + number8(doc.number);
    return title + QStringLiteral(" Nro ") + number4(memory.identity.pointOfSale) + QLatin1Char('-') +
           number8(doc.number);
}

void documentHead(PaperRoll& paper, const FiscalMemory& memory, const QDateTime& time) {
    paper.print(QStringLiteral("== %1 ==").arg(documentTitle(memory, *memory.open)));
    if (memory.logo) paper.print(memory.logo->render());
    ownerHead(paper, memory);
    paper.print(dateTimeLine(time));
    // Neither a non-fiscal document nor a ticket names a buyer.
    if (info(memory.open->kind).documentClass == DocumentClass::NonFiscal || memory.open->kind == DocumentKind::Ticket) return;
    if (const auto& c = memory.customer) {
        paper.print(QStringLiteral("CLIENTE %1").arg(c->name));
        const QString id = c->id.isEmpty() ? QString() : idLabel(c->idType) + QLatin1Char(' ') + c->id + QLatin1Char(' ');
        paper.print(id + QStringLiteral("RESP ") + c->responsibility);
        if (!c->address.isEmpty()) paper.print(QStringLiteral("DOMICILIO %1").arg(c->address));
    }
    for (int i = 0; i < FiscalMemory::kEmbarkLines; ++i)
        if (!memory.embark[i].isEmpty())
            paper.print(QStringLiteral("DOC ASOCIADO %1 %2").arg(i + 1).arg(memory.embark[i]));
}

void freeText(PaperRoll& paper, const QString& text) {
    paper.print(paper.fit(text));
}

void item(PaperRoll& paper, const QString& description, Amount quantity, Amount price, Amount taxRate,
          Amount lineTotal) {
    paper.print(QStringLiteral("ITEM %1 | %2 x %3 | IVA %4% | %5")
                    .arg(paper.fit(description), quantity.plain(), price.plain(), taxRate.money(),
                         lineTotal.money()));
}

void deliveryItem(PaperRoll& paper, const QString& description, Amount quantity) {
    paper.print(QStringLiteral("ITEM %1 | %2").arg(paper.fit(description), quantity.plain()));
}

void payment(PaperRoll& paper, const QString& text, Amount amount) {
    paper.print(QStringLiteral("PAGO %1 | %2").arg(paper.fit(text), amount.money()));
}

void subtotal(PaperRoll& paper, Amount amount) {
    paper.print(QStringLiteral("SUBTOTAL %1").arg(amount.money()));
}

void trainingMode(PaperRoll& paper) {
    paper.print(QStringLiteral("MODO ENTRENAMIENTO"));
    paper.print(QStringLiteral("NO VALIDO COMO COMPROBANTE FISCAL"));
}

void documentEnd(PaperRoll& paper, const FiscalMemory& memory, const OpenDocument& doc) {
    const DocumentKindInfo& kind = info(doc.kind);
    const bool hasTotal = kind.documentClass == DocumentClass::Fiscal || kind.series == Series::CreditNoteA ||
                          kind.series == Series::CreditNoteB || doc.kind == DocumentKind::ReceiptX;
    if (hasTotal) {
        paper.print(QStringLiteral("TOTAL %1").arg(doc.total.money()));
        paper.print(QStringLiteral("IVA %1").arg(doc.tax.money()));
        if (doc.paid > doc.total) paper.print(QStringLiteral("VUELTO %1").arg(Amount{doc.paid.units - doc.total.units}.money()));
    }
    ownerTrailer(paper, memory);
    paper.print(QStringLiteral("== FIN %1 ==").arg(documentTitle(memory, doc)));
}

void documentCancelled(PaperRoll& paper, const FiscalMemory& memory, const OpenDocument& doc) {
    paper.print(QStringLiteral("== CANCELADO %1 ==").arg(documentTitle(memory, doc)));
}

void powerCut(PaperRoll& paper, const FiscalMemory& memory, const OpenDocument& cut, const QDateTime& time) {
    paper.print(QStringLiteral("CORTE DE CORRIENTE"));
    documentCancelled(paper, memory, cut);
    if (!memory.open) return;
    documentHead(paper, memory, time);
    paper.print(QStringLiteral("COMPROBANTE RESTAURADO"));
}

void dailyReport(PaperRoll& paper, const FiscalMemory& memory, char kind, int number, const DayTotals& totals,
                 const QDateTime& time, bool training) {
    const QString title = QStringLiteral("INFORME %1 Nro %2").arg(QLatin1Char(kind)).arg(number4(number));
    paper.print(QStringLiteral("== %1 ==").arg(title));
    ownerHead(paper, memory);
    paper.print(dateTimeLine(time));
    if (training) {
        trainingMode(paper);
        if (kind == 'Z') paper.print(QStringLiteral("SIN REGISTRO EN MEMORIA FISCAL"));
    }
    totalsLines(paper, totals);
    paper.print(QStringLiteral("ULTIMO A %1").arg(number8(memory.last.a)));
    paper.print(QStringLiteral("ULTIMO B %1").arg(number8(memory.last.b)));
    paper.print(QStringLiteral("ULTIMA NC A %1").arg(number8(memory.last.creditNoteA)));
    paper.print(QStringLiteral("ULTIMA NC B %1").arg(number8(memory.last.creditNoteB)));
    paper.print(QStringLiteral("ULTIMO REMITO %1").arg(number8(memory.last.deliveryNote)));
    ownerTrailer(paper, memory);
    paper.print(QStringLiteral("== FIN %1 ==").arg(title));
}

void globalReport(PaperRoll& paper, const FiscalMemory& memory, const QString& range, const QList<ZRecord>& records,
                  bool totalsOnly, const QDateTime& time) {
    const QString title = QStringLiteral("INFORME GLOBAL %1").arg(range);
    paper.print(QStringLiteral("== %1 ==").arg(title));
    ownerHead(paper, memory);
    paper.print(dateTimeLine(time));
    if (records.isEmpty()) {
        paper.print(QStringLiteral("SIN CIERRES Z EN EL RANGO"));
    } else if (totalsOnly) {
        paper.print(QStringLiteral("CIERRES Z %1 DESDE %2 HASTA %3")
                        .arg(records.size())
                        .arg(number4(records.first().number), number4(records.last().number)));
        totalsLines(paper, sum(records));
    } else {
        for (const ZRecord& r : records) {
            paper.print(QStringLiteral("Z %1 %2 FISCALES %3 CANCELADOS %4 DNFH %5 NO FISCALES %6 VENTAS %7")
                            .arg(number4(r.number), r.date.toString(QStringLiteral("dd/MM/yy")))
                            .arg(r.totals.fiscal)
                            .arg(r.totals.cancelled)
                            .arg(r.totals.homologated)
                            .arg(r.totals.nonFiscal)
                            .arg(r.totals.sold.money()));
        }
    }
    ownerTrailer(paper, memory);
    paper.print(QStringLiteral("== FIN %1 ==").arg(title));
}

void dateChanged(PaperRoll& paper, const FiscalMemory& memory, const QDateTime& before, const QDateTime& after) {
    paper.print(QStringLiteral("== CAMBIO DE FECHA Y HORA =="));
    ownerHead(paper, memory);
    paper.print({QStringLiteral("ANTERIOR ") + dateTimeLine(before), QStringLiteral("NUEVA ") + dateTimeLine(after)});
    ownerTrailer(paper, memory);
    paper.print(QStringLiteral("== FIN CAMBIO DE FECHA Y HORA =="));
}

void drawerOpened(PaperRoll& paper) {
    paper.print(QStringLiteral("-- CAJON ABIERTO --"));
}

void paperCut(PaperRoll& paper) {
    paper.print(QStringLiteral("-- CORTE --"));
}

}  // namespace sim::printout
