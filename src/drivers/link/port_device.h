#pragma once

#include <QString>

// The device behind a COM number: the environment variable ORBELO_COM<n> when set (for example
// ORBELO_COM1=/dev/ttyUSB0), else COM<n> on Windows and /dev/ttyS<n-1> elsewhere.
QString deviceForCom(int comPort);
