#pragma once

#include "drivers/link/link_options.h"
#include "hasar_protocol.h"
#include "drivers/service_text.h"
#include "hasar_status.h"

#include <QByteArray>
#include <QList>

#include <algorithm>
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

// The auxiliary status's flag of training mode (a printer whose fiscal memory is not
// initialised), in its most significant digit.
constexpr int kTrainingFlag = 8;

// The families that print fiscal documents on the slip; every other model uses the ticket station.
inline bool slipFamily(int model) { return std::find(kSlipModels.begin(), kSlipModels.end(), model) != kSlipModels.end(); }

// What the auxiliary status's parser state means for a document left open. The 615 family's
// manual (appendix 4) reads its least significant digit as a decimal state 0..9; the maker's
// class library reads the slip families' two least significant digits as a state 0..24, of
// which 12-16 and 24 are credit notes and 22 and 23 have no counterpart on the ticket models.
// 17-21 are named nowhere we could read: such a document is cancelled as any other.
enum class OpenState {
    Idle,         // nothing open (0 not formatted, 1 not initialised, 2 idle)
    Cancellable,  // a document open without a payment
    NonFiscal,    // a non-fiscal document, which the models without Cancel can only close
    PartlyPaid,   // a payment made: undone with a negative payment before it can be cancelled
    FullyPaid,    // the whole amount paid: it can only be closed
    Blocked,      // the controller is decommissioned (9) or blocked (22): it takes no document
};
constexpr int kMaxTicketState = 9;
constexpr int kMaxSlipState = 24;
inline OpenState openState(int state, bool slip) {
    switch (state) {
    case 0: case 1: case 2: return OpenState::Idle;
    case 5: return OpenState::NonFiscal;
    case 6: return OpenState::PartlyPaid;
    case 7: return OpenState::FullyPaid;
    case 9: return OpenState::Blocked;
    // A credit note with a payment: as a partial payment, what was paid goes back first.
    case 24: return slip ? OpenState::PartlyPaid : OpenState::Cancellable;
    case 22: return slip ? OpenState::Blocked : OpenState::Cancellable;
    default: return OpenState::Cancellable;
    }
}

// The shop's texts (manual 3.9.3 and 3.9.6): fantasy name lines 1-2, header 1-10 and trailer
// 11-20, of 40 characters on the ticket models; the slip models print 120 across their sheet.
inline ServiceLimits serviceLimits(ServiceText kind, int model) {
    if (kind == ServiceText::FantasyName) return {1, 2, 40};
    return {1, 20, slipFamily(model) ? 120 : 40};
}

// Subtotal, asked without printing.
inline const QList<QByteArray> kSilentSubtotal{"N", " ", "0"};
// The text of the negative payment that undoes the partial ones.
inline const QByteArray kUndoPaymentText = "Anula pagos";

// The models of the window's list, by the number written to Model, as the messages name them.
constexpr std::array<const char*, 9> kModelNames{"Hasar 614",     "Hasar 615",  "Hasar PR4",
                                                 "Hasar 950",     "Hasar 951",  "Hasar 262/272",
                                                 "Hasar PJ20",    "Hasar P320", "Hasar 715/PR5"};

// The ticket models (614, 615, PR4, 950, 951, 262) do not know Cancel 0x98: there a fiscal
// document is cancelled with TotalTender and the letter C, and these fields.
inline const QList<QByteArray> kCancelByTender{" ", "0.00", "C", "0"};

// Z numbers of a global report by number are padded with zeros to at least this many digits.
constexpr int kZNumberDigits = 4;

}  // namespace hasar_choice
