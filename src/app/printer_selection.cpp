#include "printer_selection.h"

#include "conversions.h"

const QStringList kModelEntries = {
    QStringLiteral("1 - Hasar 614"),
    QStringLiteral("2 - Hasar 615"),
    QStringLiteral("3 - Hasar PR4"),
    QStringLiteral("4 - Hasar 950"),
    QStringLiteral("5 - Hasar 951"),
    QStringLiteral("6 - Hasar 262/272"),
    QStringLiteral("7 - Hasar PJ20"),
    QStringLiteral("8 - Hasar P320/PL-8/PL-9/PL-23/P321/P322/P330/320/P425/2008"),
    QStringLiteral("9 - Hasar 715/PR5"),
    QStringLiteral("10 - Epson"),
};

bool isEpsonEntry(const QString& entry) { return entry.mid(5, 5) == QLatin1String("Epson"); }

double printerModel(const QString& entry) { return conv::leadingNumber(entry.left(2)); }

int hasarModelNumber(const QString& entry) { return conv::toInt32(entry.left(1)); }

double portValue(const QString& portText) { return conv::leadingNumber(portText); }
