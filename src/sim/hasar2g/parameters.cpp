#include "parameters.h"

namespace sim::hasar2g {

namespace {

// Latin-1 without its control characters: what the printer's character set holds.
bool printable(const QString& s) {
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u > 0xFF) return false;
    }
    return true;
}

bool digitsOnly(const QString& s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

}  // namespace

void Parameters::fail(Error error, const QString& parameter, const QString& context) {
    if (failure_) return;
    failure_ = Failure{error, parameter.isEmpty() ? 0 : parameterNumber(command_, parameter), parameter, context};
}

bool Parameters::checkShape() {
    for (auto it = values_.begin(); it != values_.end(); ++it) {
        if (parameterNumber(command_, it.key()) == 0) {
            // The name may be anything a client sent: it goes back bounded.
            fail(Error::ParameterUnknown, it.key().left(kMaxNameEcho), QStringLiteral("%1 no lleva ese parámetro").arg(QLatin1String(command_.name)));
            return false;
        }
        if (!it.value().isString()) {
            fail(Error::ParameterInvalid, it.key(), QStringLiteral("el valor debe ser un texto entre comillas"));
            return false;
        }
    }
    for (const char* name : command_.required) {
        if (!values_.contains(QLatin1String(name))) {
            fail(Error::ParameterMissing, QLatin1String(name), QStringLiteral("falta %1").arg(QLatin1String(name)));
            return false;
        }
    }
    return true;
}

std::optional<QString> Parameters::raw(const char* name) {
    const QJsonValue v = values_.value(QLatin1String(name));
    if (v.isUndefined()) {
        fail(Error::ParameterMissing, QLatin1String(name), QStringLiteral("falta %1").arg(QLatin1String(name)));
        return std::nullopt;
    }
    return v.toString();
}

std::optional<QString> Parameters::text(const char* name, int maxLength, bool nonEmpty) {
    const auto v = raw(name);
    if (!v) return std::nullopt;
    if (v->size() > maxLength || !printable(*v) || (nonEmpty && v->trimmed().isEmpty())) {
        fail(Error::ParameterInvalid, QLatin1String(name),
             QStringLiteral("se espera un texto imprimible de %1 hasta %2 caracteres").arg(nonEmpty ? 1 : 0).arg(maxLength));
        return std::nullopt;
    }
    return v;
}

QString Parameters::textOr(const char* name, int maxLength, const QString& fallback) {
    if (!has(name)) return fallback;
    return text(name, maxLength).value_or(fallback);
}

std::optional<Amount> Parameters::amount(const char* name, Amount min) {
    const auto v = raw(name);
    if (!v) return std::nullopt;
    const auto a = Amount::parse(v->toLatin1());
    if (!a || *a < min || !printable(*v)) {
        fail(Error::ParameterInvalid, QLatin1String(name), QStringLiteral("'%1' no es un número válido aquí").arg(v->left(kMaxNameEcho)));
        return std::nullopt;
    }
    return a;
}

std::optional<QString> Parameters::choice(const char* name, std::initializer_list<const char*> words) {
    const auto v = raw(name);
    if (!v) return std::nullopt;
    QStringList known;
    for (const char* w : words) {
        if (*v == QLatin1String(w)) return v;
        known.append(QLatin1String(w));
    }
    fail(Error::ParameterInvalid, QLatin1String(name), QStringLiteral("se espera uno de: %1").arg(known.join(QStringLiteral(", "))));
    return std::nullopt;
}

std::optional<int> Parameters::integer(const char* name, int min, int max) {
    const auto v = raw(name);
    if (!v) return std::nullopt;
    bool ok = digitsOnly(*v) && v->size() <= 9;
    const int n = ok ? v->toInt(&ok) : 0;
    if (!ok || n < min || n > max) {
        fail(Error::ParameterInvalid, QLatin1String(name), QStringLiteral("se espera un número de %1 a %2").arg(min).arg(max));
        return std::nullopt;
    }
    return n;
}

std::optional<DocumentCode> Parameters::code(const char* name) {
    const auto v = raw(name);
    if (!v) return std::nullopt;
    const auto c = documentCode(*v);
    if (!c) fail(Error::ParameterInvalid, QLatin1String(name), QStringLiteral("código de comprobante desconocido"));
    return c;
}

std::optional<QDate> Parameters::date(const char* name) {
    const auto v = raw(name);
    if (!v) return std::nullopt;
    // Two-digit years are this century's: a fiscal printer has no dates before 2000.
    const QDate d = v->size() == 6 && digitsOnly(*v) ? QDate::fromString(QStringLiteral("20") + *v, QStringLiteral("yyyyMMdd")) : QDate();
    if (!d.isValid()) {
        fail(Error::ParameterInvalid, QLatin1String(name), QStringLiteral("se espera una fecha AAMMDD"));
        return std::nullopt;
    }
    return d;
}

std::optional<QTime> Parameters::time(const char* name) {
    const auto v = raw(name);
    if (!v) return std::nullopt;
    const QTime t = v->size() == 6 && digitsOnly(*v) ? QTime::fromString(*v, QStringLiteral("HHmmss")) : QTime();
    if (!t.isValid()) {
        fail(Error::ParameterInvalid, QLatin1String(name), QStringLiteral("se espera una hora HHMMSS"));
        return std::nullopt;
    }
    return t;
}

}  // namespace sim::hasar2g
