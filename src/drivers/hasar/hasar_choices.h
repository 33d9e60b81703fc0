#pragma once

#include "drivers/link/link_options.h"
#include "hasar_commands.h"
#include "hasar_status.h"

#include <QByteArray>
#include <QList>

#include <array>

// Every reading of the Hasar protocol that no public manual settles, in one place: a report
// from a real printer should change one line here and nothing else.
namespace hasar_choice {

// Link: ACK both ways, 2 s of silence before a resend, 3 sends, numbers advance by 1, and the
// port is synchronised with a StatusRequest. The reply is matched by its sequence number only;
// whether a printer echoes the command byte of a command it does not know is not known.
inline LinkOptions linkOptions() {
    LinkOptions o;
    o.printerAcks = true;
    o.replyTimeoutMs = 2000;
    o.maxSends = 3;
    o.seqStep = 1;
    o.syncCommand = 0x2A;
    // SetComSpeed takes 2400 to 115200; the likelier speeds a program leaves a printer at first.
    o.searchSpeeds = {19200, 38400, 57600, 115200, 4800, 2400};
    o.speedCommand = hasar_command::kSetComSpeed;
    o.brand = QStringLiteral("Hasar");
    o.commandName = hasar_command::name;
    o.statusWords = hasarStatusInWords;
    return o;
}

// Models that print fiscal documents on the slip station ("S"); every other model uses the
// ticket station ("T").
constexpr std::array<int, 2> kSlipModels{7, 8};

// OpenFiscalReceipt codes that always go to the slip, whatever the model: 48 invoice A,
// 49 invoice B.
struct SlipReceipt {
    int code;
    char type;
};
constexpr std::array<SlipReceipt, 2> kSlipReceipts{{{48, 'A'}, {49, 'B'}}};

// Fiscal status bits that mean a document is open: 12 fiscal document, 13 any document (on
// older models: a document on the ticket station). Bit 14 is left out: on models with the
// extended protocol it means "STATPRN active", not "slip document open".
constexpr std::array<int, 2> kDocumentOpenBits{12, 13};

constexpr int kUnknownCommandBit = 3;
constexpr int kFiscalDocumentOpenBit = 12;

// StatusRequest: the auxiliary status is field 4. Its parser states: a payment made but not the
// whole amount (undone with a negative payment before the document can be cancelled), the whole
// amount paid (the document can only be closed), and a non-fiscal document open, which the
// models without Cancel can only close.
constexpr int kAuxiliaryField = 4;
constexpr int kPartlyPaidState = 6;
constexpr int kFullyPaidState = 7;
constexpr int kNonFiscalOpenState = 5;
// Its flag of training mode (a printer whose fiscal memory is not initialised).
constexpr int kTrainingFlag = 8;

// Subtotal, asked without printing; the amount paid so far is field 6 of its answer.
inline const QList<QByteArray> kSilentSubtotal{"N", " ", "0"};
constexpr int kSubtotalPaidField = 6;
// The text of the negative payment that undoes the partial ones.
inline const QByteArray kUndoPaymentText = "Anula pagos";

// The models of the window's list, by the number written to Model, as the messages name them.
constexpr std::array<const char*, 9> kModelNames{"Hasar 614",     "Hasar 615",  "Hasar PR4",
                                                 "Hasar 950",     "Hasar 951",  "Hasar 262/272",
                                                 "Hasar PJ20",    "Hasar P320", "Hasar 715/PR5"};

// The ticket models (614, 615, PR4, 950, 951, 262) do not know Cancel 0x98: there a fiscal
// document is cancelled with TotalTender and the letter C, and these fields.
inline const QList<QByteArray> kCancelByTender{" ", "0.00", "C", "0"};

// Status bits that make a command fail. The paper bits (printer status 4 and 5) are read by
// some drivers as "low" and by others as "out": the printer sends DC4 while it waits for
// paper, so they are left as warnings, as is fiscal status 8 (fiscal memory almost full).
struct StatusBit {
    int bit;
    const char* meaning;
};
constexpr std::array<StatusBit, 8> kFiscalErrorBits{{
    {0, "error en la memoria fiscal"},
    {1, "error en la memoria de trabajo"},
    {3, "comando desconocido"},
    {4, "dato no válido en un campo"},
    {5, "comando no válido en el estado fiscal actual"},
    {6, "desborde de totales"},
    {7, "memoria fiscal llena, bloqueada o dada de baja"},
    {11, "fecha no válida"},
}};
constexpr std::array<StatusBit, 4> kPrinterErrorBits{{
    {2, "falla del mecanismo de impresión"},
    {3, "impresora fuera de línea"},
    {6, "búfer de impresión lleno"},
    {8, "tapa abierta"},
}};

// StatusRequest carries the last credit notes B/C and A in fields 7 and 8; the window reads
// them as fields 13 and 14, so they are copied there.
constexpr int kCreditNoteBField = 7;
constexpr int kCreditNoteAField = 8;
constexpr int kCreditNoteBCopy = 13;
constexpr int kCreditNoteACopy = 14;

// Z numbers of a global report by number are padded with zeros to at least this many digits.
constexpr int kZNumberDigits = 4;

}  // namespace hasar_choice
