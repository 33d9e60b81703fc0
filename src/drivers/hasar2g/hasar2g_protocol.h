#pragma once

#include "drivers/document_catalogue.h"

#include <array>
#include <optional>

// The second-generation Hasar's JSON protocol as this driver speaks it: command and flag names,
// and the tax authority's document codes mapped onto the one document catalogue.
namespace hasar2g {

namespace command {
inline constexpr const char* kConsultarEstado = "ConsultarEstado";
inline constexpr const char* kConsultarEstadoEspera = "ConsultarEstadoEspera";
inline constexpr const char* kConsultarUltimoError = "ConsultarUltimoError";
inline constexpr const char* kCargarDatosCliente = "CargarDatosCliente";
inline constexpr const char* kCargarDocumentoAsociado = "CargarDocumentoAsociado";
inline constexpr const char* kAbrirDocumento = "AbrirDocumento";
inline constexpr const char* kImprimirItem = "ImprimirItem";
inline constexpr const char* kImprimirPago = "ImprimirPago";
inline constexpr const char* kCerrarDocumento = "CerrarDocumento";
inline constexpr const char* kCancelar = "Cancelar";
inline constexpr const char* kCerrarJornadaFiscal = "CerrarJornadaFiscal";
inline constexpr const char* kReportarZetasPorFecha = "ReportarZetasPorFecha";
inline constexpr const char* kReportarZetasPorNumeroZeta = "ReportarZetasPorNumeroZeta";
inline constexpr const char* kConfigurarFechaHora = "ConfigurarFechaHora";
inline constexpr const char* kConsultarFechaHora = "ConsultarFechaHora";
inline constexpr const char* kConsultarDatosInicializacion = "ConsultarDatosInicializacion";
}  // namespace command

// The reply that stands for every command while the printer works on an earlier one.
inline constexpr const char* kBusyReply = "ControladorOcupado";

// What a flag of a reply's Estado means to this program.
enum class FlagKind {
    Refusal,    // the command failed: ConsultarUltimoError tells why
    Fault,      // the printing mechanism failed or is off line
    Condition,  // lasting; the command ran and the caption tells it
};

struct Flag {
    const char* name;
    FlagKind kind;
    const char* words;  // for messages and the caption
};

inline constexpr std::array<Flag, 10> kFiscalFlags{{
    {"ErrorMemoriaFiscal", FlagKind::Refusal, "error en la memoria fiscal"},
    {"ErrorMemoriaTrabajo", FlagKind::Refusal, "error en la memoria de trabajo"},
    {"ErrorMemoriaAuditoria", FlagKind::Refusal, "error en la memoria de auditoría"},
    {"ErrorGeneral", FlagKind::Refusal, "error general"},
    {"ErrorParametro", FlagKind::Refusal, "parámetro no válido"},
    {"ErrorEstado", FlagKind::Refusal, "comando no válido en el estado actual"},
    {"ErrorAritmetico", FlagKind::Refusal, "desborde aritmético"},
    {"ErrorEjecucion", FlagKind::Refusal, "error de ejecución"},
    {"MemoriaFiscalLlena", FlagKind::Condition, "memoria fiscal llena: no se pueden emitir comprobantes fiscales"},
    {"MemoriaFiscalCasiLlena", FlagKind::Condition, "memoria fiscal casi llena"},
}};
inline constexpr std::array<Flag, 6> kPrinterFlags{{
    {"ErrorImpresora", FlagKind::Fault, "falla de la impresora"},
    {"ImpresoraOffLine", FlagKind::Fault, "impresora fuera de línea"},
    {"FaltaPapelJournal", FlagKind::Condition, "falta papel del diario"},
    {"FaltaPapelReceipt", FlagKind::Condition, "falta papel de tiques"},
    {"TapaAbierta", FlagKind::Condition, "tapa abierta"},
    {"ImpresoraOcupada", FlagKind::Condition, "impresora ocupada"},
}};
inline constexpr const char* kDocumentOpenFlag = "DocumentoAbierto";

// A document code the driver sends, and the document the technician is told about.
struct Code {
    int code;
    DocumentId id;
};

inline constexpr std::array<Code, 11> kCodes{{
    {83, DocumentId::Ticket},
    {81, DocumentId::TicketInvoiceA},
    {82, DocumentId::TicketInvoiceBC},
    {111, DocumentId::TicketInvoiceBC},
    {112, DocumentId::CreditNoteA},
    {113, DocumentId::CreditNoteBC},
    {114, DocumentId::CreditNoteBC},
    {115, DocumentId::DebitNoteA},
    {116, DocumentId::DebitNoteBC},
    {91, DocumentId::DeliveryNote},
    {910, DocumentId::NonFiscal},
}};

inline constexpr int kTicket = 83;
inline constexpr int kTicketInvoiceA = 81;
inline constexpr int kTicketInvoiceB = 82;
inline constexpr int kCreditNoteA = 112;
inline constexpr int kCreditNoteB = 113;
inline constexpr int kDeliveryNote = 91;
inline constexpr int kGeneric = 910;

// The first generation's document letters, as the window writes them, onto the codes.
struct Letter {
    char letter;
    int code;
};
// OpenFiscalReceipt: T ticket, A/B ticket-invoices, 0/1 the slip's invoices A/B, D/E debit notes.
inline constexpr std::array<Letter, 7> kFiscalLetters{{
    {'T', kTicket}, {'A', kTicketInvoiceA}, {'B', kTicketInvoiceB}, {'0', kTicketInvoiceA}, {'1', kTicketInvoiceB},
    {'D', 115}, {'E', 116},
}};
// OpenHomologatedDocument: R/S credit notes A and B/C, r delivery note.
inline constexpr std::array<Letter, 3> kHomologatedLetters{{{'R', kCreditNoteA}, {'S', kCreditNoteB}, {'r', kDeliveryNote}}};

std::optional<int> codeOfLetter(char letter, bool homologated);
// The document a code issues, as the verdicts name it; unnamed for a code outside the table.
Document documentOfCode(int code);

}  // namespace hasar2g
