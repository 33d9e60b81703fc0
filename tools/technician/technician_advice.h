#pragma once

#include "cell_verdict.h"

#include <QString>

// What a technician does after the message an operation ended with, reading its text as well as
// its number: a port error has the printer plugged back in first, a message that asks for a Z
// (IMPRIMIR Z) has one taken first, and a doubt is settled by the roll.
struct Advice {
    TechnicianStep step = TechnicianStep::Nothing;  // never CheckThenRepeat: the check is made
    bool plugBackIn = false;
    bool takeZFirst = false;
};

// `issuedAlready`: the roll holds what the operation issues (the check an 8020 asks for).
Advice adviceFor(const QString& message, bool issuedAlready);
