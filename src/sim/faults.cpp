#include "faults.h"

#include "fault_option.h"

namespace sim {

namespace {

constexpr fault_option::KindName<Fault::Kind> kKinds[] = {
    {Fault::Kind::DropReply, "drop-reply"},
    {Fault::Kind::CorruptReply, "corrupt-reply"},
    {Fault::Kind::NakRequest, "nak-request"},
    {Fault::Kind::Silent, "silent"},
    {Fault::Kind::Busy, "busy"},
    {Fault::Kind::PaperOut, "paper-out"},
    {Fault::Kind::Disconnect, "disconnect"},
    {Fault::Kind::Garbage, "garbage"},
    {Fault::Kind::Chatty, "chatty"},
    {Fault::Kind::BufferFull, "buffer-full"},
    {Fault::Kind::PowerCut, "power-cut"},
};

// The command byte, in hex.
bool readCommand(const QString& value, Fault& fault) {
    bool ok = false;
    const uint code = value.toUInt(&ok, 16);
    fault.command = static_cast<quint8>(code);
    return ok && code <= 0xFF;
}

constexpr fault_option::Grammar<Fault> kGrammar{kKinds, readCommand, {}, "falla desconocida '%1' (una de: %2)"};

}  // namespace

std::optional<Fault> Fault::parse(const QString& text, QString* error) {
    return fault_option::parse(text, kGrammar, error);
}

QString Fault::kindsHelp() {
    return fault_option::kindsHelp(kGrammar);
}

}  // namespace sim
