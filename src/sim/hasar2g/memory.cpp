#include "memory.h"

namespace sim::hasar2g {

FiscalIdentity secondGenerationIdentity() {
    FiscalIdentity id;
    id.cuit = QStringLiteral("30712345701");
    id.businessName = QStringLiteral("ORBELO IMPRESOR VIRTUAL 2G S.A.");
    id.registration = QStringLiteral("OV2G000001");
    id.grossIncome = QStringLiteral("901-765432-1");
    return id;
}

}  // namespace sim::hasar2g
