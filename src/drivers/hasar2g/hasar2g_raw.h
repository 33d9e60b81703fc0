#pragma once

#include "hasar2g_requests.h"

#include <QByteArray>

// The first generation's raw commands the window sends (the clock, and the credit note A of the
// ticket models), as the 2G command each stands for. Any other raw command has no 2G twin.
namespace hasar2g_raw {

struct Translated {
    enum class Role { Plain, Opens, Closes };
    Role role = Role::Plain;
    hasar2g_request::Request request;  // Plain
    int code = 0;                      // Opens: the document code
};

// Raises DriverError, before anything is sent, for a command without a 2G twin or with fields
// the twin cannot take.
Translated translate(const QByteArray& raw);

}  // namespace hasar2g_raw
