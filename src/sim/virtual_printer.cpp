#include "virtual_printer.h"

namespace sim {

namespace {

std::unique_ptr<CommandSet> withSpeedCommand(Brand brand, std::unique_ptr<CommandSet> commands) {
    if (brand != Brand::Hasar) return commands;
    return std::make_unique<HasarSpeedCommand>(std::move(commands));
}

}  // namespace

VirtualPrinter::VirtualPrinter(Brand brand, int model, FiscalMemory memory, Conditions conditions)
    : memory_(std::move(memory)),
      paper_(paperColumnsFor(brand, model)),
      commands_(withSpeedCommand(brand, makeCommandSet(brand, model, memory_, paper_, conditions))),
      speed_(dynamic_cast<HasarSpeedCommand*>(commands_.get())),
      link_(*commands_, linkOptionsFor(brand)) {}

std::optional<int> VirtualPrinter::takeNewSpeed() {
    if (!speed_ || !speed_->speedRequested() || link_.awaitingAck()) return std::nullopt;
    return speed_->takeRequested();
}

}  // namespace sim
