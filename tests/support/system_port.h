#pragma once

#include <QString>

// The device a COM number opens when nothing assigns it on this system.
inline QString systemPortName(int comPort) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(comPort);
#else
    return QStringLiteral("/dev/ttyS%1").arg(comPort - 1);
#endif
}
