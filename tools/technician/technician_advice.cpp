#include "technician_advice.h"

#include "drivers/error_numbers.h"

namespace {

// A port that would not open, or one lost mid-command (a doubt, but also a cable to plug back).
bool isPortError(const QString& text) {
    const int n = shownNumber(text);
    return error_number::classOf(n) == error_number::Class::Port || n == error_number::kPortLost;
}

bool namesZ(const QString& text) {
    return text.contains(QStringLiteral("IMPRIMIR Z")) || text.contains(QStringLiteral("sacar zeta"), Qt::CaseInsensitive);
}

}  // namespace

Advice adviceFor(const QString& message, bool issuedAlready) {
    Advice a{stepAfter(classify(message)), isPortError(message), namesZ(message)};
    if (a.step == TechnicianStep::CheckThenRepeat) a.step = issuedAlready ? TechnicianStep::Nothing : TechnicianStep::Repeat;
    // Told that repeating issues again what was issued, or what the operation did not reach,
    // the technician keeps what the printer issued rather than repeat it.
    if (a.step == TechnicianStep::Repeat && (repeatIssuesAgain(message) || unreachedDocuments(message) > 0))
        a.step = TechnicianStep::Nothing;
    if (a.step != TechnicianStep::Repeat) a.plugBackIn = a.takeZFirst = false;
    return a;
}
