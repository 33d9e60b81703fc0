#include "clock_refusal.h"

QString withClockRefusalAdvice(const QString& refusal) {
    return refusal + QStringLiteral(". La fecha y la hora solo se cambian antes del primer documento del día: "
                                    "haga un cierre Z (IMPRIMIR Z) y vuelva a intentarlo");
}
