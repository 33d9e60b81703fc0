#pragma once

namespace sim {

// Lasting conditions a virtual printer is started in, for the drivers' tests. They are not kept
// in the fiscal memory: each run says again which it has.
struct Conditions {
    bool batteryLow = false;  // Epson: fiscal status bit 2 on every reply, every command runs
    bool blocked = false;     // slip Hasar: a blocked controller (manual 1.4 "Bloqueos")
};

}  // namespace sim
