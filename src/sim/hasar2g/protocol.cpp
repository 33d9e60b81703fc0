#include "protocol.h"

#include <array>

namespace sim::hasar2g {

namespace {

using C = Command;

const std::array<CommandInfo, 19> kCommands{{
    {C::ConsultarEstado, "ConsultarEstado", {}, {"CodigoComprobante"}},
    {C::ConsultarEstadoEspera, "ConsultarEstadoEspera", {}, {}},
    {C::ConsultarUltimoError, "ConsultarUltimoError", {}, {}},
    {C::CargarDatosCliente, "CargarDatosCliente",
     {"RazonSocial", "NumeroDocumento", "ResponsabilidadIVA", "TipoDocumento", "Domicilio"}, {}},
    {C::CargarDocumentoAsociado, "CargarDocumentoAsociado",
     {"NumeroLinea", "CodigoComprobante", "NumeroPos", "NumeroComprobante"}, {}},
    {C::AbrirDocumento, "AbrirDocumento", {"CodigoComprobante"}, {}},
    // Every field is required, even when empty.
    {C::ImprimirItem, "ImprimirItem",
     {"Descripcion", "Cantidad", "PrecioUnitario", "CondicionIVA", "AlicuotaIVA", "OperacionMonto",
      "TipoImpuestoInterno", "MagnitudImpuestoInterno", "ModoDisplay", "ModoBaseTotal", "UnidadReferencia",
      "CodigoProducto", "CodigoInterno", "UnidadMedida"},
     {}},
    {C::ImprimirPago, "ImprimirPago", {"Descripcion", "Monto", "Operacion"},
     {"ModoDisplay", "DescripcionAdicional", "CodigoFormaPago", "Cuotas", "Cupones", "Referencia"}},
    {C::CerrarDocumento, "CerrarDocumento", {}, {"Copias", "DireccionEMail"}},
    {C::Cancelar, "Cancelar", {}, {}},
    {C::CerrarJornadaFiscal, "CerrarJornadaFiscal", {"Reporte"}, {}},
    {C::ReportarZetasPorFecha, "ReportarZetasPorFecha", {"FechaInicial", "FechaFinal"}, {}},
    {C::ReportarZetasPorNumeroZeta, "ReportarZetasPorNumeroZeta", {"ZetaInicial", "ZetaFinal"}, {}},
    {C::ConfigurarFechaHora, "ConfigurarFechaHora", {"Fecha", "Hora"}, {}},
    {C::ConsultarFechaHora, "ConsultarFechaHora", {}, {}},
    {C::ConsultarDatosInicializacion, "ConsultarDatosInicializacion", {}, {}},
    {C::ConsultarVersion, "ConsultarVersion", {}, {}},
    {C::ConfigurarZona, "ConfigurarZona", {"NumeroLinea", "Descripcion", "IdentificadorZona"}, {"Estacion"}},
    {C::ConsultarZona, "ConsultarZona", {"NumeroLinea", "IdentificadorZona"}, {"Estacion"}},
}};

constexpr std::array<const char*, 13> kFiscalFlags{
    "ErrorMemoriaFiscal",     "ErrorMemoriaTrabajo",       "ErrorMemoriaAuditoria", "ErrorGeneral",
    "ErrorParametro",         "ErrorEstado",               "ErrorAritmetico",       "MemoriaFiscalLlena",
    "MemoriaFiscalCasiLlena", "MemoriaFiscalInicializada", "DocumentoFiscalAbierto", "DocumentoAbierto",
    "ErrorEjecucion"};

constexpr std::array<ErrorInfo, 9> kErrors{{
    {"NO_CURRENT_ERROR", 0, "Sin error"},
    {"CMD_INVALID_STATE", ErrorEstado, "Comando inválido en el estado actual"},
    {"CMD_PARAM_NOT_PRESENT", ErrorParametro, "Falta un parámetro obligatorio"},
    {"CMD_PARAM_INVALID", ErrorParametro, "Valor de parámetro inválido"},
    {"CMD_PARAM_UNKNOWN", ErrorParametro, "Parámetro desconocido para este comando"},
    {"CMD_UNKNOWN", ErrorGeneral, "Comando desconocido"},
    {"CMD_ARITHMETIC_OVERFLOW", ErrorAritmetico, "Desborde aritmético"},
    {"FISCAL_MEMORY_FULL", ErrorMemoriaFiscal, "Memoria fiscal llena"},
    {"CMD_MALFORMED", ErrorGeneral, "El pedido no es un comando JSON"},
}};

using enum DocumentClass;
using L = Letter;

constexpr std::array<DocumentCode, 13> kCodes{{
    {83, "Tique", "TIQUE", Fiscal, L::None},
    {81, "TiqueFacturaA", "TIQUE FACTURA A", Fiscal, L::A},
    {82, "TiqueFacturaB", "TIQUE FACTURA B", Fiscal, L::B},
    {111, "TiqueFacturaC", "TIQUE FACTURA C", Fiscal, L::C},
    {110, "TiqueNotaCredito", "TIQUE NOTA DE CREDITO", CreditNote, L::None},
    {112, "TiqueNotaCreditoA", "TIQUE NOTA DE CREDITO A", CreditNote, L::A},
    {113, "TiqueNotaCreditoB", "TIQUE NOTA DE CREDITO B", CreditNote, L::B},
    {114, "TiqueNotaCreditoC", "TIQUE NOTA DE CREDITO C", CreditNote, L::C},
    {115, "TiqueNotaDebitoA", "TIQUE NOTA DE DEBITO A", Fiscal, L::A},
    {116, "TiqueNotaDebitoB", "TIQUE NOTA DE DEBITO B", Fiscal, L::B},
    {117, "TiqueNotaDebitoC", "TIQUE NOTA DE DEBITO C", Fiscal, L::C},
    {91, "RemitoR", "REMITO R", DeliveryNote, L::None},
    {910, "Generico", "DOCUMENTO GENERICO", Generic, L::None},
}};

}  // namespace

std::optional<CommandInfo> commandNamed(const QString& name) {
    for (const CommandInfo& c : kCommands)
        if (name == QLatin1String(c.name)) return c;
    return std::nullopt;
}

const CommandInfo& info(Command command) {
    return kCommands[static_cast<size_t>(command)];
}

int parameterNumber(const CommandInfo& command, const QString& parameter) {
    int n = 0;
    for (const auto& list : {command.required, command.optional}) {
        for (const char* p : list) {
            ++n;
            if (parameter == QLatin1String(p)) return n;
        }
    }
    return 0;
}

QStringList fiscalFlagNames(unsigned flags) {
    QStringList out;
    for (size_t i = 0; i < kFiscalFlags.size(); ++i)
        if (flags & (1u << i)) out.append(QLatin1String(kFiscalFlags[i]));
    return out;
}

const ErrorInfo& info(Error error) {
    return kErrors[static_cast<size_t>(error)];
}

std::optional<DocumentCode> documentCode(const QString& text) {
    bool numeric = false;
    const int code = text.toInt(&numeric);
    for (const DocumentCode& d : kCodes)
        if ((numeric && d.code == code && text == QString::number(code)) || text == QLatin1String(d.name)) return d;
    return std::nullopt;
}

std::optional<DocumentCode> documentCode(int code) {
    for (const DocumentCode& d : kCodes)
        if (d.code == code) return d;
    return std::nullopt;
}

std::span<const DocumentCode> documentCodes() { return kCodes; }

}  // namespace sim::hasar2g
