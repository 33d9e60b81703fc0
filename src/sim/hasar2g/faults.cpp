#include "faults.h"

#include "protocol.h"

#include <sim/fault_option.h>

namespace sim::hasar2g {

namespace {

// drop-reply, busy and power-cut keep the names the first-generation printers give them.
constexpr fault_option::KindName<Fault::Kind> kKinds[] = {
    {Fault::Kind::DropReply, "drop-reply"},
    {Fault::Kind::Reset, "reset"},
    {Fault::Kind::Slow, "slow"},
    {Fault::Kind::Busy, "busy"},
    {Fault::Kind::PowerCut, "power-cut"},
};

// The command as the JSON names it.
bool readCommand(const QString& value, Fault& fault) {
    fault.command = value;
    return commandNamed(value).has_value();
}

constexpr fault_option::Count<Fault> kOwnCounts[] = {{"polls", &Fault::polls}};

constexpr fault_option::Grammar<Fault> kGrammar{kKinds, readCommand, kOwnCounts,
                                                "falla desconocida '%1' para el Hasar 2G (una de: %2)"};

}  // namespace

std::optional<Fault> Fault::parse(const QString& text, QString* error) {
    return fault_option::parse(text, kGrammar, error);
}

QString Fault::kindsHelp() {
    return fault_option::kindsHelp(kGrammar);
}

}  // namespace sim::hasar2g
