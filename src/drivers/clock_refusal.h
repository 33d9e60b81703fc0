#pragma once

#include <QString>

// A refused clock change followed by what the technician can do: both brands take a new date and
// time only before the first document of the fiscal day. Each brand knows its own clock command.
QString withClockRefusalAdvice(const QString& refusal);
