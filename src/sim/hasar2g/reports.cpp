#include "printer.h"
#include "roll.h"

namespace sim::hasar2g {

namespace {

// The day's counts by kind, as the X and Z reports give them.
QJsonObject dayFields(const Memory& m) {
    int issued[4] = {}, cancelled[4] = {};
    for (auto it = m.counters.begin(); it != m.counters.end(); ++it) {
        const auto code = documentCode(it.key());
        if (!code) continue;
        const auto c = static_cast<size_t>(code->documentClass);
        issued[c] += it->issued;
        cancelled[c] += it->cancelled;
    }
    const auto n = [](int count) { return QString::number(count); };
    const auto fiscal = static_cast<size_t>(DocumentClass::Fiscal);
    const auto notes = static_cast<size_t>(DocumentClass::CreditNote);
    const auto delivery = static_cast<size_t>(DocumentClass::DeliveryNote);
    return {{QStringLiteral("DF_CantidadEmitidos"), n(issued[fiscal])},
            {QStringLiteral("DF_CantidadCancelados"), n(cancelled[fiscal])},
            {QStringLiteral("DF_Total"), m.day.sold.money()},
            {QStringLiteral("DF_TotalIVA"), m.day.tax.money()},
            {QStringLiteral("NC_CantidadEmitidos"), n(issued[notes])},
            {QStringLiteral("NC_CantidadCancelados"), n(cancelled[notes])},
            {QStringLiteral("NC_Total"), m.day.credited.money()},
            {QStringLiteral("NC_TotalIVA"), m.day.creditedTax.money()},
            {QStringLiteral("DNFH_Total"), n(issued[delivery])}};
}

}  // namespace

Printer::Outcome Printer::cerrarJornadaFiscal(Parameters& p, qint64 nowMs) {
    const auto report = p.choice("Reporte", {"ReporteZ", "ReporteX"});
    if (!p.ok()) return {};
    if (memory_.open) return refuse(Error::InvalidState, QStringLiteral("hay un comprobante abierto"));
    const bool z = *report == QLatin1String("ReporteZ");
    if (z && memory_.lastZ() >= memory_.zCapacity) return refuse(Error::FiscalMemoryFull);

    const QDateTime time = printerTime(nowMs);
    QJsonObject fields = dayFields(memory_);
    int number = 0;
    if (z) {
        number = memory_.lastZ() + 1;
        memory_.zRecords.append(ZRecord{number, time.date(), memory_.day});
        memory_.day = {};
        for (Counter& c : memory_.counters) c.issued = c.cancelled = 0;
    } else {
        number = memory_.lastX = FiscalMemory::nextXNumber(memory_.lastX);
    }
    ++memory_.auditIndex;
    fields.insert(QStringLiteral("Numero"), QString::number(number));
    fields.insert(QStringLiteral("Fecha"), time.date().toString(QStringLiteral("yyMMdd")));
    roll::dailyReport(paper_, memory_, z ? 'Z' : 'X', number, fields, time);
    return Outcome{std::nullopt, fields};
}

Printer::Outcome Printer::reportarZetasPorFecha(Parameters& p, qint64 nowMs) {
    const auto from = p.date("FechaInicial");
    const auto to = p.date("FechaFinal");
    if (!p.ok()) return {};
    return printZRange(p, zRangeByDate(memory_.zRecords, *from, *to), "FechaFinal",
                       QStringLiteral("la fecha final es anterior a la inicial"), nowMs);
}

Printer::Outcome Printer::reportarZetasPorNumeroZeta(Parameters& p, qint64 nowMs) {
    const auto from = p.integer("ZetaInicial", 1, 99999);
    const auto to = p.integer("ZetaFinal", 1, 99999);
    if (!p.ok()) return {};
    return printZRange(p, zRangeByNumber(memory_.zRecords, *from, *to), "ZetaFinal",
                       QStringLiteral("la Z final es anterior a la inicial"), nowMs);
}

Printer::Outcome Printer::printZRange(Parameters& p, const std::optional<ZRange>& range, const char* end,
                                      const QString& backwards, qint64 nowMs) {
    if (!range) {
        p.fail(Error::ParameterInvalid, QLatin1String(end), backwards);
        return {};
    }
    if (memory_.open) return refuse(Error::InvalidState, QStringLiteral("hay un comprobante abierto"));
    ++memory_.auditIndex;
    roll::zReport(paper_, memory_, range->heading, range->records, printerTime(nowMs));
    return {};
}

}  // namespace sim::hasar2g
