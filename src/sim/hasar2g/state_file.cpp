#include "state_file.h"

#include "protocol.h"

#include <sim/state_file.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <limits>

namespace sim::hasar2g {

namespace state_file {

namespace {

const QString kFormat = QStringLiteral("orbelo-virtual-printer-hasar-2g-state");
constexpr int kVersion = 1;
constexpr int kMaxText = 120;
constexpr qint64 kMaxClockOffsetMs = 200LL * 365 * 24 * 3600 * 1000;
constexpr qint64 kMaxNumber = 99'999'999;

QJsonObject totalsToJson(const DayTotals& t) {
    return {{"cancelled", t.cancelled},       {"credit_notes", t.homologated}, {"non_fiscal", t.nonFiscal},
            {"fiscal", t.fiscal},             {"sold", t.sold.plain()},        {"tax", t.tax.plain()},
            {"credited", t.credited.plain()}, {"credited_tax", t.creditedTax.plain()}};
}

QJsonArray texts(const auto& lines) {
    QJsonArray out;
    for (const QString& s : lines) out.append(s);
    return out;
}

// Reads typed values and keeps the first problem, so each caller reads straight through and checks once.
class Reader {
public:
    explicit Reader(QString* error) : error_(error) { error_->clear(); }
    bool ok() const { return error_->isEmpty(); }
    void fail(const QString& what) {
        if (ok()) *error_ = what;
    }
    QJsonValue value(const QJsonObject& o, const char* key) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined()) fail(QStringLiteral("falta '%1'").arg(QLatin1String(key)));
        return v;
    }
    QJsonObject object(const QJsonObject& o, const char* key) {
        const QJsonValue v = value(o, key);
        if (!v.isObject()) fail(QStringLiteral("'%1' no es un objeto").arg(QLatin1String(key)));
        return v.toObject();
    }
    QJsonArray array(const QJsonObject& o, const char* key) {
        const QJsonValue v = value(o, key);
        if (!v.isArray()) fail(QStringLiteral("'%1' no es una lista").arg(QLatin1String(key)));
        return v.toArray();
    }
    qint64 integer(const QJsonValue& v, const char* key, qint64 min, qint64 max) {
        const double d = v.toDouble();
        // The range is checked before the cast: casting 1e300 or NaN to an integer is undefined.
        if (!v.isDouble() || !(d >= static_cast<double>(min) && d <= static_cast<double>(max)) || d != std::trunc(d)) {
            fail(QStringLiteral("'%1' no es un entero entre %2 y %3").arg(QLatin1String(key)).arg(min).arg(max));
            return min;
        }
        return static_cast<qint64>(d);
    }
    qint64 integer(const QJsonObject& o, const char* key, qint64 min, qint64 max) {
        return integer(value(o, key), key, min, max);
    }
    int count(const QJsonObject& o, const char* key) {
        return static_cast<int>(integer(o, key, 0, FiscalMemory::kMaxCount));
    }
    QString text(const QJsonValue& v, const char* key, int maxLength = kMaxText) {
        const QString s = v.toString();
        bool printable = v.isString() && s.size() <= maxLength;
        for (QChar c : s) printable = printable && c.unicode() >= 0x20 && c.unicode() <= 0xFF;
        if (!printable) fail(QStringLiteral("'%1' no es un texto imprimible de hasta %2 caracteres").arg(QLatin1String(key)).arg(maxLength));
        return s;
    }
    QString text(const QJsonObject& o, const char* key, int maxLength = kMaxText) { return text(value(o, key), key, maxLength); }
    QDate date(const QJsonObject& o, const char* key) {
        const QDate d = QDate::fromString(text(o, key), Qt::ISODate);
        if (!d.isValid()) fail(QStringLiteral("'%1' no es una fecha AAAA-MM-DD").arg(QLatin1String(key)));
        return d;
    }
    Amount amount(const QJsonObject& o, const char* key) {
        const auto a = Amount::parse(text(o, key).toLatin1());
        if (!a) fail(QStringLiteral("'%1' no es un importe").arg(QLatin1String(key)));
        return a.value_or(Amount{});
    }
    template <size_t N>
    void lines(const QJsonObject& o, const char* key, std::array<QString, N>& out, int maxLength) {
        const QJsonArray a = array(o, key);
        if (ok() && a.size() != static_cast<qsizetype>(N)) fail(QStringLiteral("'%1' no tiene %2 líneas").arg(QLatin1String(key)).arg(N));
        for (size_t i = 0; ok() && i < N; ++i) out[i] = text(a[static_cast<qsizetype>(i)], key, maxLength);
    }
    DayTotals totals(const QJsonObject& o) {
        DayTotals t;
        t.cancelled = count(o, "cancelled");
        t.homologated = count(o, "credit_notes");
        t.nonFiscal = count(o, "non_fiscal");
        t.fiscal = count(o, "fiscal");
        t.sold = amount(o, "sold");
        t.tax = amount(o, "tax");
        t.credited = amount(o, "credited");
        t.creditedTax = amount(o, "credited_tax");
        return t;
    }

private:
    QString* error_;
};

}  // namespace

QJsonObject toJson(const Memory& m) {
    const FiscalIdentity& id = m.identity;
    QJsonArray records;
    for (const ZRecord& r : m.zRecords)
        records.append(QJsonObject{{"number", r.number}, {"date", r.date.toString(Qt::ISODate)}, {"totals", totalsToJson(r.totals)}});
    QJsonArray counters;
    for (auto it = m.counters.begin(); it != m.counters.end(); ++it)
        counters.append(QJsonObject{{"code", it.key()},
                                    {"last", static_cast<qint64>(it->last)},
                                    {"issued", it->issued},
                                    {"cancelled", it->cancelled}});
    QJsonValue customer;
    if (m.customer)
        customer = QJsonObject{{"name", m.customer->name},
                               {"id", m.customer->id},
                               {"responsibility", m.customer->responsibility},
                               {"id_type", m.customer->idType},
                               {"address", m.customer->address}};
    QJsonValue open;
    if (m.open)
        open = QJsonObject{{"code", m.open->code},          {"number", static_cast<qint64>(m.open->number)},
                           {"total", m.open->total.plain()}, {"tax", m.open->tax.plain()},
                           {"paid", m.open->paid.plain()},   {"items", m.open->items},
                           {"payments", m.open->payments}};
    return {{"format", kFormat},
            {"version", kVersion},
            {"identity",
             QJsonObject{{"cuit", id.cuit},
                         {"business_name", id.businessName},
                         {"registration", id.registration},
                         {"point_of_sale", id.pointOfSale},
                         {"initialised_on", id.initialisedOn.toString(Qt::ISODate)},
                         {"activities_since", id.activitiesSince.toString(Qt::ISODate)},
                         {"gross_income", id.grossIncome},
                         {"iva_responsibility", id.ivaResponsibility}}},
            {"z_capacity", m.zCapacity},
            {"z_records", records},
            {"last_x", m.lastX},
            {"day", totalsToJson(m.day)},
            {"counters", counters},
            {"customer", customer},
            {"associated", texts(m.associated)},
            {"zones", texts(m.zones)},
            {"open_document", open},
            {"clock_offset_ms", m.clockOffsetMs},
            {"audit_index", static_cast<qint64>(m.auditIndex)}};
}

std::optional<Memory> fromJson(const QJsonObject& json, QString* error) {
    Reader r(error);
    if (r.text(json, "format") != kFormat) r.fail(QStringLiteral("no es un archivo de estado de un Hasar 2G virtual"));
    if (r.ok() && r.integer(json, "version", 0, 1000) != kVersion) r.fail(QStringLiteral("versión de archivo desconocida"));
    if (!r.ok()) return std::nullopt;

    Memory m;
    const QJsonObject id = r.object(json, "identity");
    m.identity.cuit = r.text(id, "cuit", 11);
    m.identity.businessName = r.text(id, "business_name", 50);
    m.identity.registration = r.text(id, "registration", 20);
    m.identity.pointOfSale = static_cast<int>(r.integer(id, "point_of_sale", 1, 99999));
    m.identity.initialisedOn = r.date(id, "initialised_on");
    m.identity.activitiesSince = r.date(id, "activities_since");
    m.identity.grossIncome = r.text(id, "gross_income", 20);
    m.identity.ivaResponsibility = r.text(id, "iva_responsibility", 1);
    m.zCapacity = static_cast<int>(r.integer(json, "z_capacity", 1, 10000));
    for (const QJsonValue& v : r.array(json, "z_records")) {
        const QJsonObject o = v.toObject();
        m.zRecords.append(ZRecord{static_cast<int>(r.integer(o, "number", 1, 10000)), r.date(o, "date"), r.totals(r.object(o, "totals"))});
        if (!r.ok()) break;
    }
    m.lastX = static_cast<int>(r.integer(json, "last_x", 0, FiscalMemory::kMaxXNumber));
    m.day = r.totals(r.object(json, "day"));
    for (const QJsonValue& v : r.array(json, "counters")) {
        const QJsonObject o = v.toObject();
        const int code = static_cast<int>(r.integer(o, "code", 0, 9999));
        if (r.ok() && (!documentCode(code) || m.counters.contains(code))) r.fail(QStringLiteral("contador de un código desconocido o repetido"));
        const Counter c{static_cast<quint32>(r.integer(o, "last", 0, kMaxNumber)), r.count(o, "issued"), r.count(o, "cancelled")};
        if (!r.ok()) break;
        m.counters.insert(code, c);
    }
    const QJsonValue customer = r.value(json, "customer");
    if (customer.isObject()) {
        const QJsonObject c = customer.toObject();
        m.customer = Customer{r.text(c, "name", 50), r.text(c, "id", 20), r.text(c, "responsibility", 30),
                              r.text(c, "id_type", 10), r.text(c, "address", 50)};
    } else if (!customer.isNull()) {
        r.fail(QStringLiteral("'customer' no es un objeto"));
    }
    r.lines(json, "associated", m.associated, kMaxText);
    r.lines(json, "zones", m.zones, Memory::kMaxZoneText);
    const QJsonValue open = r.value(json, "open_document");
    if (open.isObject()) {
        const QJsonObject o = open.toObject();
        OpenDocument d;
        d.code = static_cast<int>(r.integer(o, "code", 0, 9999));
        if (r.ok() && !documentCode(d.code)) r.fail(QStringLiteral("comprobante abierto de un código desconocido"));
        d.number = static_cast<quint32>(r.integer(o, "number", 1, kMaxNumber));
        d.total = r.amount(o, "total");
        d.tax = r.amount(o, "tax");
        d.paid = r.amount(o, "paid");
        d.items = r.count(o, "items");
        d.payments = static_cast<int>(r.integer(o, "payments", 0, Memory::kMaxPayments));
        m.open = d;
    } else if (!open.isNull()) {
        r.fail(QStringLiteral("'open_document' no es un objeto"));
    }
    m.clockOffsetMs = r.integer(json, "clock_offset_ms", -kMaxClockOffsetMs, kMaxClockOffsetMs);
    m.auditIndex = static_cast<quint32>(r.integer(json, "audit_index", 0, std::numeric_limits<quint32>::max()));

    // The records must be the Z reports 1..n, in order, within the capacity.
    if (r.ok() && m.lastZ() > m.zCapacity) r.fail(QStringLiteral("hay más cierres Z que la capacidad"));
    for (int i = 0; r.ok() && i < m.zRecords.size(); ++i)
        if (m.zRecords[i].number != i + 1) r.fail(QStringLiteral("los cierres Z no están numerados en orden"));
    if (!r.ok()) return std::nullopt;
    return m;
}

std::optional<Memory> load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("no se pudo leer %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > sim::state_file::kMaxFileBytes) {
        *error = QStringLiteral("%1 es demasiado grande para ser un archivo de estado").arg(path);
        return std::nullopt;
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(file.read(sim::state_file::kMaxFileBytes), &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isObject()) {
        *error = QStringLiteral("%1 no es JSON válido: %2").arg(path, parse.errorString());
        return std::nullopt;
    }
    auto memory = fromJson(doc.object(), error);
    if (!memory) *error = QStringLiteral("%1 rechazado: %2").arg(path, *error);
    return memory;
}

QByteArray contents(const Memory& memory) { return QJsonDocument(toJson(memory)).toJson(); }

}  // namespace state_file

}  // namespace sim::hasar2g
