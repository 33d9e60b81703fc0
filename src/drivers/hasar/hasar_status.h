#pragma once

#include "drivers/link/frame.h"
#include "drivers/operation_error.h"

#include <optional>

// The two status words at the head of every Hasar reply.
struct HasarStatus {
    quint16 printer = 0;
    quint16 fiscal = 0;
};

// The status words of a reply to the command; DriverError when they are missing or not hex.
HasarStatus readStatus(quint8 command, const frame::Frame& reply);

// A reply's status words with every bit set in words, for the wire trace; empty when the reply
// carries no readable status words.
QString hasarStatusInWords(const QList<QByteArray>& fields);

// The error the status words report for the command, if any: an error bit, or a lasting
// condition that kept a fiscal document from opening (named with its cure). Conditions alone
// fail nothing.
std::optional<DriverError> statusError(quint8 command, const HasarStatus& status);

// The caption's notice of each lasting condition a reply reports; empty when it reports none or
// carries no readable status words.
QStringList hasarConditions(const QList<QByteArray>& fields);

// True when the status says a document is open.
bool documentOpen(const HasarStatus& status);
// True when the status says a fiscal document (not only a non-fiscal one or a DNFH) is open.
bool fiscalDocumentOpen(const HasarStatus& status);
// True when the printer reports the command as unknown.
bool unknownCommand(const HasarStatus& status);

// The auxiliary status of a StatusRequest (its field 4, four hex digits): the parser state in the
// least significant digit read as decimal (the 615 family's 0..9), or on the slip families in
// the two least significant digits (0..24), and flags (buyer data, bar code, training) in the
// most significant one.
struct AuxiliaryStatus {
    int state = 0;
    int flags = 0;
};
std::optional<AuxiliaryStatus> readAuxiliary(const QByteArray& field, bool slipFamily);
// True when the printer works in training mode (its fiscal memory is not initialised): what it
// prints is not fiscal, and its document and Z numbers do not move.
bool trainingMode(const AuxiliaryStatus& auxiliary);
