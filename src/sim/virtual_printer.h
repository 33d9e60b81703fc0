#pragma once

#include "brand.h"

#include <memory>

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

private:
    FiscalMemory memory_;
    PaperRoll paper_;
    std::unique_ptr<CommandSet> commands_;
    LinkSession link_;
};

}  // namespace sim
