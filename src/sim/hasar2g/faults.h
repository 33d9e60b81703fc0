#pragma once

#include <sim/fault_plan.h>

#include <QString>
#include <optional>

// What can go wrong between a client and a 2G printer on the network, injected on request. The
// option text follows the first-generation printers' (`KIND,cmd=...,after=N,times=N,seconds=S`),
// with the command named as the JSON names it.
namespace sim::hasar2g {

struct Fault {
    enum class Kind {
        DropReply,  // the command runs, and the connection closes with no reply
        Reset,      // the connection is reset before the command runs
        Slow,       // the command runs, and its reply leaves after a while
        Busy,       // the command runs; ControladorOcupado answers it and `polls` ConsultarEstadoEspera
        PowerCut,   // before the command runs: an open document is cancelled, the state saved, and
                    // nothing answers for a while; then the printer starts again from its state file
    };

    Kind kind = Kind::DropReply;
    std::optional<QString> command;  // only requests of this command; any when empty
    int after = 0;                   // let this many matching requests through first
    int times = 1;                   // requests it hits; 0 = every matching one from then on
    int milliseconds = 3000;         // Slow and PowerCut: how long
    int polls = 2;                   // Busy: polls answered busy before the reply

    static std::optional<Fault> parse(const QString& text, QString* error);
    static QString kindsHelp();
};

using FaultPlan = FaultPlanOf<Fault>;

}  // namespace sim::hasar2g
