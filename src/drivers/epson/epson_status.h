#pragma once

#include "drivers/operation_error.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The printer and fiscal status words at the head of every Epson answer.
struct EpsonStatus {
    quint16 printer = 0;
    quint16 fiscal = 0;
    bool operator==(const EpsonStatus&) const = default;
};

// The two words from an answer's first two fields; nothing when either is missing or is not
// exactly four hexadecimal digits.
std::optional<EpsonStatus> readStatus(const QList<QByteArray>& fields);

// True when a document, fiscal or not, is open.
bool documentOpen(EpsonStatus s);
// True when the document open is a non-fiscal one, which no cancel ends.
bool onlyNonFiscalOpen(EpsonStatus s);

// True when the words say the command failed or was refused.
bool isFailure(EpsonStatus s);

// True when a status request was refused, so its answer holds no data worth showing.
bool refusesStatusRequest(EpsonStatus s);

// True when a cancelling payment was refused only because there was nothing open to cancel.
bool cancelFoundNothing(EpsonStatus s);
// True when a cancelling payment was refused while a fiscal document is open: a ticket-invoice,
// which only its own payment command may cancel.
bool cancelMetAnOpenDocument(EpsonStatus s);

// An answer's status words with every bit set in words, for the wire trace; empty when the answer
// carries no readable status words.
QString epsonStatusInWords(const QList<QByteArray>& fields);

// The error the words report for the command, if any: an error bit, or a lasting condition that
// kept a fiscal document from opening (named with its cure). Conditions alone fail nothing.
std::optional<DriverError> statusError(quint8 command, EpsonStatus s);

// The caption's notice of each lasting condition an answer reports; empty when it reports none
// or carries no readable status words.
QStringList epsonConditions(const QList<QByteArray>& fields);

// The error for a failed command: "El impresor rechazó el comando 0x40: ...", naming every
// failure the words report; numbered as a refusal when the fiscal word reports one, else as a fault.
DriverError failureError(quint8 command, EpsonStatus s);
