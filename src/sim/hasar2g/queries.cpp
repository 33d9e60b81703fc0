#include "printer.h"
#include "roll.h"

namespace sim::hasar2g {

namespace {

constexpr std::initializer_list<const char*> kZoneNames{"ZonaFantasia",    "ZonaDomicilioEmisor", "Zona1Encabezado",
                                                         "Zona2Encabezado", "Zona1Cola",           "Zona2Cola"};

QString ivaResponsibility(const QString& letter) {
    if (letter == QLatin1String("I")) return QStringLiteral("ResponsableInscripto");
    if (letter == QLatin1String("M")) return QStringLiteral("Monotributo");
    return QStringLiteral("ResponsableExento");
}

}  // namespace

Printer::Outcome Printer::consultarEstado(Parameters& p, qint64) {
    std::optional<DocumentCode> code;
    if (p.has("CodigoComprobante")) code = p.code("CodigoComprobante");
    if (!p.ok()) return {};
    const std::optional<OpenDocument>& open = memory_.open;
    QJsonObject fields{
        {QStringLiteral("EstadoInterno"), !open ? QStringLiteral("Inactivo")
                                          : open->payments > 0 ? QStringLiteral("PagoEnCurso")
                                                               : QStringLiteral("ComprobanteAbierto")},
        {QStringLiteral("ComprobanteEnCurso"), QString::number(open ? open->code : 0)},
    };
    if (code) {
        const Counter c = memory_.counter(code->code);
        fields.insert(QStringLiteral("CodigoComprobante"), QString::number(code->code));
        fields.insert(QStringLiteral("NumeroUltimoComprobante"), QString::number(c.last));
        fields.insert(QStringLiteral("CantidadEmitidos"), QString::number(c.issued));
        fields.insert(QStringLiteral("CantidadCancelados"), QString::number(c.cancelled));
    }
    return Outcome{std::nullopt, fields};
}

Printer::Outcome Printer::configurarFechaHora(Parameters& p, qint64 nowMs) {
    const auto d = p.date("Fecha");
    const auto t = p.time("Hora");
    if (!p.ok()) return {};
    // The fiscal day's documents carry its date: the clock moves only between a Z and the next document.
    const DayTotals& day = memory_.day;
    if (memory_.open || day.fiscal + day.homologated + day.nonFiscal + day.cancelled > 0)
        return refuse(Error::InvalidState, QStringLiteral("la jornada tiene comprobantes: haga un cierre Z primero"));
    const QDateTime before = printerTime(nowMs);
    memory_.clockOffsetMs = QDateTime(*d, *t, Qt::UTC).toMSecsSinceEpoch() - nowMs;
    ++memory_.auditIndex;
    roll::dateChanged(paper_, memory_, before, printerTime(nowMs));
    return {};
}

Printer::Outcome Printer::consultarFechaHora(Parameters&, qint64 nowMs) {
    const QDateTime now = printerTime(nowMs);
    return Outcome{std::nullopt,
                   {{QStringLiteral("Fecha"), now.date().toString(QStringLiteral("yyMMdd"))},
                    {QStringLiteral("Hora"), now.time().toString(QStringLiteral("HHmmss"))}}};
}

Printer::Outcome Printer::consultarDatosInicializacion(Parameters&, qint64) {
    const FiscalIdentity& id = memory_.identity;
    return Outcome{std::nullopt,
                   {{QStringLiteral("CUIT"), id.cuit},
                    {QStringLiteral("RazonSocial"), id.businessName},
                    {QStringLiteral("Registro"), id.registration},
                    {QStringLiteral("NumeroPos"), QString::number(id.pointOfSale)},
                    {QStringLiteral("FechaInicioActividades"), id.activitiesSince.toString(QStringLiteral("yyMMdd"))},
                    {QStringLiteral("IngBrutos"), id.grossIncome},
                    {QStringLiteral("ResponsabilidadIVA"), ivaResponsibility(id.ivaResponsibility)}}};
}

Printer::Outcome Printer::consultarVersion(Parameters&, qint64) {
    return Outcome{std::nullopt,
                   {{QStringLiteral("NombreProducto"), QStringLiteral("ORBELO IMPRESOR VIRTUAL 2G")},
                    {QStringLiteral("Marca"), QStringLiteral("Orbelo")},
                    {QStringLiteral("Version"), QStringLiteral("1.0")},
                    {QStringLiteral("VersionMotor"), QStringLiteral("1.0")},
                    {QStringLiteral("FechaFirmware"), QStringLiteral("261201")},
                    {QStringLiteral("VersionProtocolo"), QStringLiteral("1")}}};
}

std::optional<int> Printer::zoneSlot(Parameters& p) {
    const auto line = p.integer("NumeroLinea", 1, Memory::kZoneLines);
    const auto zone = p.choice("IdentificadorZona", kZoneNames);
    if (p.has("Estacion")) p.choice("Estacion", {"EstacionPorDefecto"});
    if (!p.ok()) return std::nullopt;
    int index = 0;
    for (const char* name : kZoneNames) {
        if (*zone == QLatin1String(name)) break;
        ++index;
    }
    return index * Memory::kZoneLines + *line - 1;
}

Printer::Outcome Printer::configurarZona(Parameters& p, qint64) {
    const auto slot = zoneSlot(p);
    const auto text = p.text("Descripcion", Memory::kMaxZoneText);
    if (!p.ok()) return {};
    if (memory_.open) return refuse(Error::InvalidState, QStringLiteral("hay un comprobante abierto"));
    memory_.zones[*slot] = *text;
    return {};
}

Printer::Outcome Printer::consultarZona(Parameters& p, qint64) {
    const auto slot = zoneSlot(p);
    if (!p.ok()) return {};
    return Outcome{std::nullopt, {{QStringLiteral("Descripcion"), memory_.zones[*slot]}}};
}

}  // namespace sim::hasar2g
