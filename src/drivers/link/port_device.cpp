#include "port_device.h"

#include <QByteArray>

QString deviceForCom(int comPort) {
    const QByteArray override = qgetenv("ORBELO_COM" + QByteArray::number(comPort));
    if (!override.isEmpty()) return QString::fromLocal8Bit(override);
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(comPort);
#else
    return QStringLiteral("/dev/ttyS%1").arg(comPort - 1);
#endif
}
