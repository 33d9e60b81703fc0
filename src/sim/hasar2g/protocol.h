#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <span>

// The virtual 2G Hasar's own reading of the JSON protocol: command names and their parameters,
// the status flags, the error symbols and the document codes. Kept apart from any driver on
// purpose, so a driver's misreading fails a test instead of being mirrored here.
namespace sim::hasar2g {

enum class Command {
    ConsultarEstado,
    ConsultarEstadoEspera,
    ConsultarUltimoError,
    CargarDatosCliente,
    CargarDocumentoAsociado,
    AbrirDocumento,
    ImprimirItem,
    ImprimirPago,
    CerrarDocumento,
    Cancelar,
    CerrarJornadaFiscal,
    ReportarZetasPorFecha,
    ReportarZetasPorNumeroZeta,
    ConfigurarFechaHora,
    ConsultarFechaHora,
    ConsultarDatosInicializacion,
    ConsultarVersion,
    ConfigurarZona,
    ConsultarZona,
};

struct CommandInfo {
    Command command;
    const char* name;
    // Parameters in the order NumeroParametro counts them: the required ones first.
    std::initializer_list<const char*> required;
    std::initializer_list<const char*> optional;
};

std::optional<CommandInfo> commandNamed(const QString& name);
const CommandInfo& info(Command command);
// 1-based position of a parameter in the command's list; 0 when the command has no such parameter.
int parameterNumber(const CommandInfo& command, const QString& parameter);

// Flags of the reply's Estado, each one bit.
enum FiscalFlag : unsigned {
    ErrorMemoriaFiscal = 1u << 0,
    ErrorMemoriaTrabajo = 1u << 1,
    ErrorMemoriaAuditoria = 1u << 2,
    ErrorGeneral = 1u << 3,
    ErrorParametro = 1u << 4,
    ErrorEstado = 1u << 5,
    ErrorAritmetico = 1u << 6,
    MemoriaFiscalLlena = 1u << 7,
    MemoriaFiscalCasiLlena = 1u << 8,
    MemoriaFiscalInicializada = 1u << 9,
    DocumentoFiscalAbierto = 1u << 10,
    DocumentoAbierto = 1u << 11,
    ErrorEjecucion = 1u << 12,
};
QStringList fiscalFlagNames(unsigned flags);

// What ConsultarUltimoError tells. NO_CURRENT_ERROR, CMD_INVALID_STATE and CMD_PARAM_NOT_PRESENT
// are the printer's own symbols; the others are this printer's names for refusals we must give.
enum class Error {
    None,
    InvalidState,
    ParameterMissing,
    ParameterInvalid,
    ParameterUnknown,
    UnknownCommand,
    Overflow,
    FiscalMemoryFull,
    MalformedRequest,
};
struct ErrorInfo {
    const char* symbol;
    unsigned fiscalFlag;  // the Error… flag of the failed reply
    const char* description;
};
const ErrorInfo& info(Error error);

// The tax authority's document codes the printer issues, and how each is kept.
enum class DocumentClass { Fiscal, CreditNote, DeliveryNote, Generic };
enum class Letter { None, A, B, C };
struct DocumentCode {
    int code;
    const char* name;   // "TiqueFacturaA"
    const char* title;  // as printed: "TIQUE FACTURA A"
    DocumentClass documentClass;
    Letter letter;
};
// By number ("81") or by name ("TiqueFacturaA").
std::optional<DocumentCode> documentCode(const QString& text);
std::optional<DocumentCode> documentCode(int code);
std::span<const DocumentCode> documentCodes();

}  // namespace sim::hasar2g
