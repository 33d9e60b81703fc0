#pragma once

#include "brand.h"
#include "hasar_speed.h"

#include <memory>
#include <optional>

namespace sim {

// One virtual fiscal printer: its fiscal memory, its paper roll, its brand's command set and
// the link in front of them. Bytes go in with receive(); what the printer sends, and when,
// comes out of link().takeDue().
class VirtualPrinter {
public:
    VirtualPrinter(Brand brand, int model, FiscalMemory memory = {}, Conditions conditions = {});

    void receive(QByteArrayView bytes, qint64 nowMs) { link_.receive(bytes, nowMs); }
    // Switched on again over a fiscal memory with a document open: as after a power cut.
    void powerReturned(qint64 nowMs) { commands_->cutPower(nowMs); }
    LinkSession& link() { return link_; }
    FiscalMemory& memory() { return memory_; }
    PaperRoll& paper() { return paper_; }
    // The line speed a SetComSpeed asked for, once the host has acknowledged its reply; empty
    // otherwise (and always for a brand without the command).
    std::optional<int> takeNewSpeed();

private:
    FiscalMemory memory_;
    PaperRoll paper_;
    std::unique_ptr<CommandSet> commands_;
    HasarSpeedCommand* speed_;  // in front of the Hasar's command set; none on an Epson
    LinkSession link_;
};

}  // namespace sim
