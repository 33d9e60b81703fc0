#pragma once

#include <QString>

// How a technician reads the message an operation ended with.
enum class MessageClass {
    None,       // no error: the operation ended normally
    Issued,     // "se emitió": the document exists, do not repeat
    NotIssued,  // "no se emitió": repeat it
    Unknown,    // "no se sabe si se emitió": check the last number, then repeat if missing
    OpenPaid,   // still open with its payment: finish it with CANCELAR COMPROBANTE
    OtherError, // any other error: a technician repeats the operation
};

// The number in "El sistema detectó el error Nº N"; 0 when the text shows none.
int shownNumber(const QString& errorText);
// What the message says an operation of several documents left: how many documents it did not
// reach after the one in course ("No llegó a emitir lo que seguía: ..."), and whether repeating
// it issues again some it had issued ("si la repite, se emite otra vez").
int unreachedDocuments(const QString& errorText);
bool repeatIssuesAgain(const QString& errorText);
// The class of the error shown, by the number in "El sistema detectó el error Nº N" (empty: no error).
MessageClass classify(const QString& errorText);
QString className(MessageClass c);

enum class TechnicianStep { Nothing, Repeat, CheckThenRepeat, FinishWithCancel };
TechnicianStep stepAfter(MessageClass c);

// What one cell saw. Counts are documents of the operation (or a stored logo).
struct CellFacts {
    int expected = 0;           // a run without faults issues this many
    MessageClass first = MessageClass::None;
    int issuedAtError = 0;      // issued when the first message was shown
    MessageClass last = MessageClass::None;  // after the technician's repeat, if any
    int issuedAtEnd = 0;
    int unreached = 0;          // documents the first message says the operation did not reach
};

struct Verdict {
    bool duplicate = false;    // more documents than the operation issues
    bool silentLoss = false;   // fewer, while the technician was told it was done
    bool wrongMessage = false; // the first message contradicts what the printer did

    bool clean() const { return !duplicate && !silentLoss && !wrongMessage; }
};

Verdict judge(const CellFacts& facts);
