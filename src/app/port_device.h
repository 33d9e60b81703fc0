#pragma once

#include "drivers/network_address.h"

#include <QString>

// Where a COM number's device name came from, in the order they are looked at.
enum class PortSource { Variable, Settings, Default };

struct PortDevice {
    QString device;
    PortSource source = PortSource::Default;
};

// COM 1 to 4 are the ports the window offers and the command line assigns.
constexpr int kFirstComPort = 1;
constexpr int kLastComPort = 4;

// The device behind a COM number: the variable ORBELO_COM<n> when set and not empty, else the
// user's settings (group Puertos, key COM<n>), else COM<n> on Windows and /dev/ttyS<n-1> elsewhere.
PortDevice portDevice(int comPort);
// Just the device name, as the drivers' resolver.
QString portDeviceName(int comPort);
// The speed COM n works at: the user's settings (group Puertos, key COM<n>_baudios), else 9600.
int portSpeed(int comPort);
// Stores the speed for a COM number; 9600 removes it. False when the settings could not be written.
bool assignPortSpeed(int comPort, int baud);
// Stores the device for a COM number in the user's settings; an empty device removes it.
// False when the settings could not be written.
bool assignPortDevice(int comPort, const QString& device);
// The user and password for the printer on the network a COM number leads to: the user's settings
// (group Puertos, keys COM<n>_usuario and COM<n>_clave); empty when none.
network_address::Credentials portCredentials(int comPort);
// Stores them; an empty user removes both. False when the settings could not be written.
bool assignPortCredentials(int comPort, const network_address::Credentials& credentials);
// Keeps the assignments in this INI file instead of the user's settings (the registry on
// Windows), so tests never touch the technician's own; empty goes back to the user's settings.
// Returns the file used before.
QString usePortSettingsFile(const QString& iniFile);
// "variable ORBELO_COM1", "configuración" or "predeterminado".
QString portSourceText(int comPort, PortSource source);
