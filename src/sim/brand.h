#pragma once

#include "conditions.h"
#include "fiscal_memory.h"
#include "link_session.h"
#include "paper_roll.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// The one place that knows the brands. Adding a brand (Epson) takes: a value here, its name in
// brand.cpp, a CommandSet subclass over the shared FiscalMemory and PaperRoll (see
// HasarCommandSet), and its cases in the functions below. The link, faults, paper, ledger
// and state file need no change; Epson sets LinkOptions::acknowledgeFrames to false.
namespace sim {

enum class Brand { Hasar, Epson };

std::optional<Brand> brandFromName(const QString& name);
QStringList brandNames();

LinkOptions linkOptionsFor(Brand brand);
int paperColumnsFor(Brand brand, int model);
std::unique_ptr<CommandSet> makeCommandSet(Brand brand, int model, FiscalMemory& memory, PaperRoll& paper,
                                           Conditions conditions = {});
// Who a new printer of the brand is registered to: each brand its own, so two virtual
// printers side by side are told apart.
FiscalIdentity identityFor(Brand brand);

}  // namespace sim
