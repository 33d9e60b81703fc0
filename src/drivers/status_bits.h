#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <span>

// What a bit of a printer's status word says about the command in whose reply it came.
enum class BitKind {
    Error,        // the command was not run
    Condition,    // it lasts and the command ran; the window tells it beside its caption
    Information,  // the printer's state, for the trace
};

// One bit of a status word in its maker's terms, and how this program treats it.
struct StatusBit {
    quint16 mask;
    const char* text;
    BitKind kind;
    // A condition as the caption tells it; the maker's text when empty.
    const char* notice = nullptr;
    // A condition that keeps the printer from opening a fiscal document, with what cures it:
    // an opening it refuses fails naming the cure.
    const char* cure = nullptr;
    // The command on which the bit is the refusal itself (a date the clock command could not take).
    int errorOn = -1;
};

using StatusTable = std::span<const StatusBit>;

// True when the bit counts as `kind` in the reply to `command`.
bool bitIs(const StatusBit& bit, BitKind kind, quint8 command);

// The maker's texts of the bits of `kind` set in `word`, in table order.
QStringList bitTexts(quint16 word, StatusTable table, BitKind kind, quint8 command);

// The maker's text of the bit, or nullptr when the table does not name it.
const char* bitText(StatusTable table, int bit);

// The caption's notice of each condition set in `word`, in table order.
QStringList conditionNotices(quint16 word, StatusTable table);

// "es necesario hacer un cierre Z: tómelo con IMPRIMIR Z" for each condition set in `word` that keeps
// fiscal documents from opening.
QStringList blockingConditions(quint16 word, StatusTable table);

// A reply's status words with every bit set in words, for the wire trace; empty when the reply
// carries no readable status words.
QString statusInWords(const QList<QByteArray>& fields, StatusTable printer, StatusTable fiscal);

// The caption's notice of each lasting condition a reply reports; empty when it reports none or
// carries no readable status words.
QStringList replyConditions(const QList<QByteArray>& fields, StatusTable printer, StatusTable fiscal);

// The mask of every bit of `kind` in the table, as a compile-time constant for the brand's rules.
constexpr quint16 maskOf(StatusTable table, BitKind kind) {
    quint16 mask = 0;
    for (const StatusBit& b : table)
        if (b.kind == kind) mask = static_cast<quint16>(mask | b.mask);
    return mask;
}
