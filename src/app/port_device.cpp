#include "port_device.h"

#include "drivers/link/line_speeds.h"

#include <QByteArray>
#include <QSettings>

#include <utility>

namespace {

QString settingsKey(int comPort) { return QStringLiteral("Puertos/COM%1").arg(comPort); }
QString speedKey(int comPort) { return QStringLiteral("Puertos/COM%1_baudios").arg(comPort); }
QString userKey(int comPort) { return QStringLiteral("Puertos/COM%1_usuario").arg(comPort); }
QString passwordKey(int comPort) { return QStringLiteral("Puertos/COM%1_clave").arg(comPort); }

QByteArray variableName(int comPort) { return "ORBELO_COM" + QByteArray::number(comPort); }

QString& settingsFile() {
    static QString file;
    return file;
}

QSettings userSettings() {
    if (!settingsFile().isEmpty()) return QSettings(settingsFile(), QSettings::IniFormat);
    return QSettings(QStringLiteral("Orbelo"), QStringLiteral("Orbelo"));
}

}  // namespace

PortDevice portDevice(int comPort) {
    const QByteArray variable = qgetenv(variableName(comPort));
    if (!variable.isEmpty()) return {QString::fromLocal8Bit(variable), PortSource::Variable};
    const QString stored = userSettings().value(settingsKey(comPort)).toString();
    if (!stored.isEmpty()) return {stored, PortSource::Settings};
#ifdef Q_OS_WIN
    return {QStringLiteral("COM%1").arg(comPort), PortSource::Default};
#else
    return {QStringLiteral("/dev/ttyS%1").arg(comPort - 1), PortSource::Default};
#endif
}

QString portDeviceName(int comPort) { return portDevice(comPort).device; }

int portSpeed(int comPort) {
    // A hand-edited value that is no line speed is not one the port can be set to.
    const int stored = userSettings().value(speedKey(comPort)).toInt();
    return isLineSpeed(stored) ? stored : kDefaultBaud;
}

bool assignPortSpeed(int comPort, int baud) {
    QSettings settings = userSettings();
    if (baud == kDefaultBaud)
        settings.remove(speedKey(comPort));
    else
        settings.setValue(speedKey(comPort), baud);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool assignPortDevice(int comPort, const QString& device) {
    QSettings settings = userSettings();
    if (device.isEmpty())
        settings.remove(settingsKey(comPort));
    else
        settings.setValue(settingsKey(comPort), device);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

network_address::Credentials portCredentials(int comPort) {
    const QSettings settings = userSettings();
    return {settings.value(userKey(comPort)).toString(), settings.value(passwordKey(comPort)).toString()};
}

bool assignPortCredentials(int comPort, const network_address::Credentials& credentials) {
    QSettings settings = userSettings();
    if (credentials.given()) {
        settings.setValue(userKey(comPort), credentials.user);
        settings.setValue(passwordKey(comPort), credentials.password);
    } else {
        settings.remove(userKey(comPort));
        settings.remove(passwordKey(comPort));
    }
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString usePortSettingsFile(const QString& iniFile) { return std::exchange(settingsFile(), iniFile); }

QString portSourceText(int comPort, PortSource source) {
    switch (source) {
    case PortSource::Variable: return QStringLiteral("variable ") + QString::fromLatin1(variableName(comPort));
    case PortSource::Settings: return QStringLiteral("configuración");
    case PortSource::Default: break;
    }
    return QStringLiteral("predeterminado");
}
