#include "printer.h"

#include "request.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace sim::hasar2g {

namespace {

// The flag of a fiscal memory with this few daily closes left.
constexpr int kAlmostFullZ = 30;

QByteArray json(const QJsonObject& o) { return QJsonDocument(o).toJson(QJsonDocument::Compact); }

QByteArray busyReply() { return json({{QStringLiteral("ControladorOcupado"), QJsonObject{}}}); }

}  // namespace

Printer::Printer(Memory memory) : memory_(std::move(memory)) {}

void Printer::holdNextReply(int polls) { holdPolls_ = std::max(0, polls); }

QDateTime Printer::printerTime(qint64 nowMs) const {
    return QDateTime::fromMSecsSinceEpoch(nowMs + memory_.clockOffsetMs, Qt::UTC);
}

unsigned Printer::stateFlags() const {
    unsigned flags = MemoriaFiscalInicializada;
    const int left = memory_.zCapacity - memory_.lastZ();
    if (left <= 0) flags |= MemoriaFiscalLlena;
    else if (left <= kAlmostFullZ) flags |= MemoriaFiscalCasiLlena;
    if (memory_.open) {
        flags |= DocumentoAbierto;
        const DocumentClass c = documentCode(memory_.open->code)->documentClass;
        if (c == DocumentClass::Fiscal || c == DocumentClass::CreditNote) flags |= DocumentoFiscalAbierto;
    }
    return flags;
}

QByteArray Printer::reply(const QString& command, QJsonObject fields, unsigned errorFlag) {
    ++sequence_;
    fields.insert(QStringLiteral("Secuencia"), QString::number(sequence_));
    // The virtual roll never runs out, jams or opens its cover: the printer's own flags stay clear.
    fields.insert(QStringLiteral("Estado"),
                  QJsonObject{{QStringLiteral("Impresora"), QJsonArray{}},
                              {QStringLiteral("Fiscal"), QJsonArray::fromStringList(fiscalFlagNames(stateFlags() | errorFlag))}});
    return json({{command, fields}});
}

Reply Printer::handle(QByteArrayView body, qint64 nowMs) {
    const auto decoded = decodeRequest(body);
    if (const auto* bad = std::get_if<Malformed>(&decoded)) {
        lastError_ = Failure{Error::MalformedRequest, 0, {}, bad->reason};
        const ErrorInfo& e = info(Error::MalformedRequest);
        return Reply{400, json({{QStringLiteral("Error"),
                                 QJsonObject{{QStringLiteral("UltimoError"), QLatin1String(e.symbol)},
                                             {QStringLiteral("Descripcion"), QString::fromUtf8(e.description)},
                                             {QStringLiteral("Contexto"), bad->reason}}}})};
    }
    const Request& request = std::get<Request>(decoded);
    const auto command = commandNamed(request.command);

    if (held_) {
        if (!command || command->command != Command::ConsultarEstadoEspera || held_->pollsLeft-- > 0)
            return Reply{200, busyReply()};
        const QByteArray released = held_->body;
        held_.reset();
        return Reply{200, released};
    }

    if (!command) {
        lastError_ = Failure{Error::UnknownCommand, 0, {}, request.command};
        return Reply{200, reply(request.command, {}, info(Error::UnknownCommand).fiscalFlag)};
    }
    Parameters p(*command, request.parameters);
    Outcome outcome;
    if (!p.checkShape()) outcome.failure = p.failure();
    else outcome = run(command->command, p, nowMs);
    if (!outcome.failure && !p.ok()) outcome.failure = p.failure();

    const bool keepsLastError = command->command == Command::ConsultarUltimoError || command->command == Command::ConsultarEstadoEspera;
    if (!keepsLastError) lastError_ = outcome.failure.value_or(Failure{});
    const unsigned errorFlag = outcome.failure ? info(outcome.failure->error).fiscalFlag : 0;
    // A refused command leaves nothing of itself but its error.
    const QByteArray out = reply(request.command, outcome.failure ? QJsonObject{} : outcome.fields, errorFlag);
    if (holdPolls_ >= 0) {
        held_ = Held{out, holdPolls_};
        holdPolls_ = -1;
        return Reply{200, busyReply()};
    }
    return Reply{200, out};
}

Printer::Outcome Printer::run(Command command, Parameters& p, qint64 nowMs) {
    using C = Command;
    switch (command) {
    case C::ConsultarEstado: return consultarEstado(p, nowMs);
    case C::ConsultarEstadoEspera: return consultarEstadoEspera(p, nowMs);
    case C::ConsultarUltimoError: return consultarUltimoError(p, nowMs);
    case C::CargarDatosCliente: return cargarDatosCliente(p, nowMs);
    case C::CargarDocumentoAsociado: return cargarDocumentoAsociado(p, nowMs);
    case C::AbrirDocumento: return abrirDocumento(p, nowMs);
    case C::ImprimirItem: return imprimirItem(p, nowMs);
    case C::ImprimirPago: return imprimirPago(p, nowMs);
    case C::CerrarDocumento: return cerrarDocumento(p, nowMs);
    case C::Cancelar: return cancelar(p, nowMs);
    case C::CerrarJornadaFiscal: return cerrarJornadaFiscal(p, nowMs);
    case C::ReportarZetasPorFecha: return reportarZetasPorFecha(p, nowMs);
    case C::ReportarZetasPorNumeroZeta: return reportarZetasPorNumeroZeta(p, nowMs);
    case C::ConfigurarFechaHora: return configurarFechaHora(p, nowMs);
    case C::ConsultarFechaHora: return consultarFechaHora(p, nowMs);
    case C::ConsultarDatosInicializacion: return consultarDatosInicializacion(p, nowMs);
    case C::ConsultarVersion: return consultarVersion(p, nowMs);
    case C::ConfigurarZona: return configurarZona(p, nowMs);
    case C::ConsultarZona: return consultarZona(p, nowMs);
    }
    return refuse(Error::UnknownCommand);
}

Printer::Outcome Printer::consultarUltimoError(Parameters&, qint64) {
    const ErrorInfo& e = info(lastError_.error);
    return Outcome{std::nullopt,
                   {{QStringLiteral("UltimoError"), QLatin1String(e.symbol)},
                    {QStringLiteral("NumeroParametro"), QString::number(lastError_.parameterNumber)},
                    {QStringLiteral("NombreParametro"), lastError_.parameterName},
                    {QStringLiteral("Descripcion"), QString::fromUtf8(e.description)},
                    {QStringLiteral("Contexto"), lastError_.context}}};
}

Printer::Outcome Printer::consultarEstadoEspera(Parameters&, qint64) { return {}; }

}  // namespace sim::hasar2g
