#pragma once

#include "drivers/link/port_errors.h"
#include "drivers/link/serial_devices.h"

#include <QList>
#include <QString>

// A port error as the window shows it: the link's facts followed by what the technician can do,
// in the program's terms (its --asignar option, the system's tools, the devices found now).
QString withPortAdvice(const port_error::PortError& error, const QList<SerialDevice>& found);
