#include "brand.h"

#include "hasar_command_set.h"

namespace sim {

std::optional<Brand> brandFromName(const QString& name) {
    if (name == QLatin1String("hasar")) return Brand::Hasar;
    return std::nullopt;
}

QStringList brandNames() {
    return {QStringLiteral("hasar")};
}

LinkOptions linkOptionsFor(Brand brand) {
    LinkOptions options;
    switch (brand) {
    case Brand::Hasar: options.acknowledgeFrames = true; break;
    }
    return options;
}

int paperColumnsFor(Brand brand, int model) {
    switch (brand) {
    case Brand::Hasar: return HasarCommandSet::columnsForModel(model);
    }
    return 40;
}

std::unique_ptr<CommandSet> makeCommandSet(Brand brand, FiscalMemory& memory, PaperRoll& paper) {
    switch (brand) {
    case Brand::Hasar: return std::make_unique<HasarCommandSet>(memory, paper);
    }
    return nullptr;
}

}  // namespace sim
