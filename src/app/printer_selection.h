#pragma once

#include <QString>
#include <QStringList>

// The ten model entries of the model list, in order.
extern const QStringList kModelEntries;

// Epson when the five characters from the sixth on are "Epson", exactly.
bool isEpsonEntry(const QString& entry);
// The number at the start of the entry, read from its first two characters (0 when none).
double printerModel(const QString& entry);
// The Hasar model number: the entry's first character as a whole number (strict).
int hasarModelNumber(const QString& entry);
// The port number shown in the port list: its leading number (0 when none).
double portValue(const QString& portText);
