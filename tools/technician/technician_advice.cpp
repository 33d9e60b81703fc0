#include "technician_advice.h"

#include "drivers/error_numbers.h"

namespace {

bool isPortError(const QString& text) {
    using namespace error_number;
    for (const int n : {kPortMissing, kPortOpenFailed, kPortLost, kPortNotOpen})
        if (text.contains(QStringLiteral("error Nº %1").arg(n))) return true;
    return false;
}

bool namesZ(const QString& text) {
    return text.contains(QStringLiteral("IMPRIMIR Z")) || text.contains(QStringLiteral("sacar zeta"), Qt::CaseInsensitive);
}

}  // namespace

Advice adviceFor(const QString& message, bool issuedAlready) {
    Advice a{stepAfter(classify(message)), isPortError(message), namesZ(message)};
    if (a.step == TechnicianStep::CheckThenRepeat) a.step = issuedAlready ? TechnicianStep::Nothing : TechnicianStep::Repeat;
    if (a.step != TechnicianStep::Repeat) a.plugBackIn = a.takeZFirst = false;
    return a;
}
