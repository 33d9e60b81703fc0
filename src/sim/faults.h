#pragma once

#include "fault_plan.h"

#include <QString>
#include <optional>

namespace sim {

// A misbehaviour of the line or the printer, injected on request.
struct Fault {
    enum class Kind {
        DropReply,     // executes, but the reply never leaves
        CorruptReply,  // executes, and the reply goes out with a wrong checksum
        NakRequest,    // answers a good frame with NAK, as if it arrived damaged
        Silent,        // takes the frame and answers nothing at all
        Busy,          // executes, then sends DC2 for a while before the reply
        PaperOut,      // executes, then sends DC4 for a while before the reply
        Disconnect,    // the line goes dead
        Garbage,       // executes, with bytes outside the protocol before and after the reply
        Chatty,        // no printer at all: a scale that answers any frame with weight lines for a while
        BufferFull,    // Hasar: the print buffer is full; the frame is answered but not run
        PowerCut,      // the power goes before the frame runs: the open document is cancelled (a Hasar
                       // restores it on power return) and the printer hears nothing for a while
    };

    Kind kind = Kind::DropReply;
    std::optional<quint8> command;  // only frames with this command; any when empty
    int after = 0;                  // let this many matching frames through first
    int times = 1;                  // frames it hits; 0 = every matching frame from then on
    int milliseconds = 3000;        // Busy, PaperOut, Chatty and PowerCut: how long

    // "busy,seconds=5,cmd=39,after=1,times=2": a kind and optional settings (cmd in hex).
    // Returns the fault or, in `error`, why the text is not one.
    static std::optional<Fault> parse(const QString& text, QString* error);
    static QString kindsHelp();
};

using FaultPlan = FaultPlanOf<Fault>;

}  // namespace sim
