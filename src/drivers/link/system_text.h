#pragma once

#include "platform.h"

#include <QString>

// The system's own words for why a file or a device would not open, in Spanish for the
// technician: the common ones from a small table, any other as a plain "error del sistema" (the
// caller keeps the original in the trace). Windows words them in its own language already.
QString systemTextInSpanish(const QString& systemText, Platform platform = kThisPlatform);
