#include "virtual_printer.h"

namespace sim {

VirtualPrinter::VirtualPrinter(Brand brand, int model, FiscalMemory memory, Conditions conditions)
    : memory_(std::move(memory)),
      paper_(paperColumnsFor(brand, model)),
      commands_(makeCommandSet(brand, model, memory_, paper_, conditions)),
      link_(*commands_, linkOptionsFor(brand)) {}

}  // namespace sim
