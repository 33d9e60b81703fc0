#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <variant>

// A 2G printer's JSON reply read into what the driver uses, with bounds: the reply is untrusted.
namespace hasar2g_answer {

// Longer texts or more flags than any reply of the commands we send carry.
constexpr qsizetype kMaxText = 1024;
constexpr qsizetype kMaxFields = 64;
constexpr qsizetype kMaxFlags = 32;

struct Answer {
    bool busy = false;  // ControladorOcupado: the printer is still working on an earlier command
    QString command;    // the command the reply names
    QHash<QString, QString> fields;  // the command's own fields, numbers as their text
    QStringList printerFlags;
    QStringList fiscalFlags;

    QString field(const char* name) const { return fields.value(QLatin1String(name)); }
    bool has(const char* name) const { return fields.contains(QLatin1String(name)); }
    bool fiscal(const char* flag) const { return fiscalFlags.contains(QLatin1String(flag)); }
};

// The reply read, or why it cannot be, in Spanish. A reply that names another command than
// `command` (or ControladorOcupado) is not read: it would be taken for this command's.
// `alsoAccepted` names one more command whose reply stands for it (the busy poll's own).
std::variant<Answer, QString> read(QByteArrayView body, const QString& command, const QString& alsoAccepted = {});

}  // namespace hasar2g_answer
