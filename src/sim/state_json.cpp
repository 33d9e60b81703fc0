#include "state_json.h"

#include <QFile>
#include <QJsonDocument>

#include <cmath>

namespace sim::state_json {

Reader::Reader(QString* error, char16_t highest) : error_(error), highest_(highest) { error_->clear(); }

void Reader::fail(const QString& what) {
    if (ok()) *error_ = what;
}

QJsonValue Reader::value(const QJsonObject& o, const char* key) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined()) fail(QStringLiteral("falta '%1'").arg(QLatin1String(key)));
    return v;
}

QJsonObject Reader::object(const QJsonObject& o, const char* key) {
    const QJsonValue v = value(o, key);
    if (!v.isObject()) fail(QStringLiteral("'%1' no es un objeto").arg(QLatin1String(key)));
    return v.toObject();
}

QJsonArray Reader::array(const QJsonObject& o, const char* key) {
    const QJsonValue v = value(o, key);
    if (!v.isArray()) fail(QStringLiteral("'%1' no es una lista").arg(QLatin1String(key)));
    return v.toArray();
}

std::optional<QJsonObject> Reader::objectOrNull(const QJsonValue& v, const char* key) {
    if (v.isNull()) return std::nullopt;
    if (!v.isObject()) {
        fail(QStringLiteral("'%1' no es un objeto").arg(QLatin1String(key)));
        return std::nullopt;
    }
    return v.toObject();
}

bool Reader::boolean(const QJsonObject& o, const char* key) {
    const QJsonValue v = value(o, key);
    if (!v.isBool()) fail(QStringLiteral("'%1' no es verdadero ni falso").arg(QLatin1String(key)));
    return v.toBool();
}

qint64 Reader::integer(const QJsonValue& v, const char* key, qint64 min, qint64 max) {
    const double d = v.toDouble();
    // The range is checked before the cast: casting 1e300 or NaN to an integer is undefined.
    if (!v.isDouble() || !(d >= static_cast<double>(min) && d <= static_cast<double>(max)) || d != std::trunc(d)) {
        fail(QStringLiteral("'%1' no es un entero entre %2 y %3").arg(QLatin1String(key)).arg(min).arg(max));
        return min;
    }
    return static_cast<qint64>(d);
}

qint64 Reader::integer(const QJsonObject& o, const char* key, qint64 min, qint64 max) {
    return integer(value(o, key), key, min, max);
}

int Reader::count(const QJsonObject& o, const char* key) {
    return static_cast<int>(integer(o, key, 0, FiscalMemory::kMaxCount));
}

quint32 Reader::number(const QJsonObject& o, const char* key) {
    return static_cast<quint32>(integer(o, key, 0, 99'999'999));
}

QString Reader::text(const QJsonValue& v, const char* key, int maxLength) {
    const QString s = v.toString();
    bool printable = v.isString() && s.size() <= maxLength;
    // No control below the blank: DEL erases stored lines.
    for (QChar c : s) printable = printable && c.unicode() >= 0x20 && c.unicode() <= highest_ && !c.isSurrogate();
    if (!printable)
        fail(QStringLiteral("'%1' no es un texto imprimible de hasta %2 caracteres").arg(QLatin1String(key)).arg(maxLength));
    return s;
}

QString Reader::text(const QJsonObject& o, const char* key, int maxLength) {
    return text(value(o, key), key, maxLength);
}

QDate Reader::date(const QJsonObject& o, const char* key) {
    const QDate d = QDate::fromString(text(o, key), Qt::ISODate);
    if (!d.isValid()) fail(QStringLiteral("'%1' no es una fecha AAAA-MM-DD").arg(QLatin1String(key)));
    return d;
}

Amount Reader::amount(const QJsonObject& o, const char* key) {
    const auto a = Amount::parse(text(o, key).toLatin1());
    if (!a) fail(QStringLiteral("'%1' no es un importe").arg(QLatin1String(key)));
    return a.value_or(Amount{});
}

DayTotals Reader::totals(const QJsonObject& o, const char* homologatedKey) {
    DayTotals t;
    t.cancelled = count(o, "cancelled");
    t.homologated = count(o, homologatedKey);
    t.nonFiscal = count(o, "non_fiscal");
    t.fiscal = count(o, "fiscal");
    t.sold = amount(o, "sold");
    t.tax = amount(o, "tax");
    t.credited = amount(o, "credited");
    t.creditedTax = amount(o, "credited_tax");
    return t;
}

ZRecord Reader::zRecord(const QJsonValue& v, const char* homologatedKey) {
    const QJsonObject o = v.toObject();
    return ZRecord{static_cast<int>(integer(o, "number", 1, 10000)), date(o, "date"),
                   totals(object(o, "totals"), homologatedKey)};
}

FiscalIdentity Reader::identity(const QJsonObject& o, const Bounds& bounds) {
    FiscalIdentity id;
    id.cuit = text(o, "cuit", bounds.cuit);
    id.businessName = text(o, "business_name", 50);
    id.registration = text(o, "registration", 20);
    id.pointOfSale = static_cast<int>(integer(o, "point_of_sale", bounds.minPointOfSale, bounds.maxPointOfSale));
    id.initialisedOn = date(o, "initialised_on");
    id.activitiesSince = date(o, "activities_since");
    id.grossIncome = text(o, "gross_income", 20);
    id.ivaResponsibility = text(o, "iva_responsibility", 1);
    return id;
}

std::optional<Customer> Reader::customer(const QJsonValue& v, const Bounds& bounds) {
    const auto object = objectOrNull(v, "customer");
    if (!object) return std::nullopt;
    const QJsonObject& o = *object;
    const auto& b = bounds.customer;
    return Customer{text(o, "name", b.name), text(o, "id", b.id), text(o, "responsibility", b.responsibility),
                    text(o, "id_type", b.idType), text(o, "address", b.address)};
}

void Reader::numberedInOrder(const QList<ZRecord>& records) {
    for (int i = 0; ok() && i < records.size(); ++i)
        if (records[i].number != i + 1) fail(QStringLiteral("los cierres Z no están numerados en orden"));
}

QJsonObject toJson(const DayTotals& t, const char* homologatedKey) {
    return {{"cancelled", t.cancelled},       {QLatin1String(homologatedKey), t.homologated},
            {"non_fiscal", t.nonFiscal},      {"fiscal", t.fiscal},
            {"sold", t.sold.plain()},         {"tax", t.tax.plain()},
            {"credited", t.credited.plain()}, {"credited_tax", t.creditedTax.plain()}};
}

QJsonObject toJson(const ZRecord& z, const char* homologatedKey) {
    return {{"number", z.number}, {"date", z.date.toString(Qt::ISODate)}, {"totals", toJson(z.totals, homologatedKey)}};
}

QJsonObject toJson(const FiscalIdentity& id) {
    return {{"cuit", id.cuit},
            {"business_name", id.businessName},
            {"registration", id.registration},
            {"point_of_sale", id.pointOfSale},
            {"initialised_on", id.initialisedOn.toString(Qt::ISODate)},
            {"activities_since", id.activitiesSince.toString(Qt::ISODate)},
            {"gross_income", id.grossIncome},
            {"iva_responsibility", id.ivaResponsibility}};
}

QJsonValue toJson(const std::optional<Customer>& c) {
    if (!c) return QJsonValue::Null;
    return QJsonObject{{"name", c->name},
                       {"id", c->id},
                       {"responsibility", c->responsibility},
                       {"id_type", c->idType},
                       {"address", c->address}};
}

std::optional<QJsonObject> readObject(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("no se pudo leer %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > kMaxFileBytes) {
        *error = QStringLiteral("%1 es demasiado grande para ser un archivo de estado").arg(path);
        return std::nullopt;
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(file.read(kMaxFileBytes), &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isObject()) {
        *error = QStringLiteral("%1 no es JSON válido: %2").arg(path, parse.errorString());
        return std::nullopt;
    }
    return doc.object();
}

}  // namespace sim::state_json
