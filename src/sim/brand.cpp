#include "brand.h"

#include "epson_command_set.h"
#include "hasar_command_set.h"

namespace sim {

std::optional<Brand> brandFromName(const QString& name) {
    if (name == QLatin1String("hasar")) return Brand::Hasar;
    if (name == QLatin1String("epson")) return Brand::Epson;
    return std::nullopt;
}

QStringList brandNames() {
    return {QStringLiteral("hasar"), QStringLiteral("epson")};
}

LinkOptions linkOptionsFor(Brand brand) {
    LinkOptions options;
    switch (brand) {
    case Brand::Hasar:
        options.acknowledgeFrames = true;
        options.replyResendMs = 500;
        break;
    case Brand::Epson: options.acknowledgeFrames = false; break;
    }
    return options;
}

int paperColumnsFor(Brand brand, int model) {
    switch (brand) {
    case Brand::Hasar: return HasarCommandSet::columnsForModel(model);
    case Brand::Epson: return EpsonCommandSet::kColumns;
    }
    return 40;
}

std::unique_ptr<CommandSet> makeCommandSet(Brand brand, int model, FiscalMemory& memory, PaperRoll& paper,
                                           Conditions conditions) {
    switch (brand) {
    case Brand::Hasar: return std::make_unique<HasarCommandSet>(memory, paper, model, conditions);
    case Brand::Epson: return std::make_unique<EpsonCommandSet>(memory, paper, conditions);
    }
    return nullptr;
}

FiscalIdentity identityFor(Brand brand) {
    FiscalIdentity id;  // the Hasar one
    if (brand == Brand::Epson) {
        id.cuit = QStringLiteral("30712345698");
        id.businessName = QStringLiteral("ORBELO IMPRESOR VIRTUAL EPSON S.A.");
        id.registration = QStringLiteral("OVE0000001");
        id.grossIncome = QStringLiteral("901-654321-0");
    }
    return id;
}

}  // namespace sim
