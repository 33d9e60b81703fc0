#pragma once

#include "drivers/link/serial_devices.h"

#include <QString>

class QComboBox;

// "COM1 → /dev/ttyUSB0 · FT232R USB UART · FTDI · 0403:6001": the device a COM number opens and
// what the system reports of it among the devices present.
QString portToolTip(int comPort, const QList<SerialDevice>& devices);

// Gives each item of the port list, and the list, the tooltip of its port, read afresh each time
// the list opens (adapters come and go).
void describePortList(QComboBox& list);
