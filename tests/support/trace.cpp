#include "trace.h"

#include "drivers/operation_error.h"

void Trace::record(const QString& line) {
    lines_.append(line);
    if (look_) look_(line);
    std::optional<Failure> fired;
    for (auto it = failures_.begin(); it != failures_.end();) {
        if (!line.startsWith(it->name + QLatin1Char('(')) || --it->occurrence > 0) {
            ++it;
            continue;
        }
        if (!fired) fired = *it;
        it = failures_.erase(it);
    }
    if (fired) throw DriverError(fired->number, fired->description);
}

void Trace::failAt(const QString& name, int occurrence, int number, const QString& description) {
    failures_.append(Failure{name, occurrence, number, description});
}

namespace arg {

QString q(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString q(const QByteArray& bytes) { return q(QString::fromLatin1(bytes)); }

QString num(double value) { return QString::number(value, 'g', 15); }

QString date(const QDate& d) { return d.toString(Qt::ISODate); }

QString boolean(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }

QString list(const QStringList& texts) {
    QStringList quoted;
    for (const QString& t : texts) quoted << q(t);
    return quoted.join(QLatin1Char(','));
}

QString serviceKind(ServiceText kind) {
    return kind == ServiceText::FantasyName ? QStringLiteral("Fantasia") : QStringLiteral("EncabezadoPie");
}

}  // namespace arg
