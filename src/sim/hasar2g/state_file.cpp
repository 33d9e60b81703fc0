#include "state_file.h"

#include "protocol.h"

#include <sim/state_json.h>

#include <QJsonDocument>

#include <limits>

namespace sim::hasar2g {

namespace state_file {

namespace {

const QString kFormat = QStringLiteral("orbelo-virtual-printer-hasar-2g-state");
constexpr int kVersion = 1;
constexpr qint64 kMaxNumber = 99'999'999;
constexpr char kHomologated[] = "credit_notes";
// The 2G keeps Latin-1 texts only.
constexpr char16_t kHighestCharacter = 0xFF;

constexpr state_json::Bounds kBounds{11, 1, 99999, {50, 20, 30, 10, 50}};

using state_json::kMaxText;
using state_json::Reader;

QJsonArray texts(const auto& lines) {
    QJsonArray out;
    for (const QString& s : lines) out.append(s);
    return out;
}

// Lines kept in an array of exactly N texts.
template <size_t N>
void readLines(Reader& r, const QJsonObject& o, const char* key, std::array<QString, N>& out, int maxLength) {
    const QJsonArray a = r.array(o, key);
    if (r.ok() && a.size() != static_cast<qsizetype>(N)) r.fail(QStringLiteral("'%1' no tiene %2 líneas").arg(QLatin1String(key)).arg(N));
    for (size_t i = 0; r.ok() && i < N; ++i) out[i] = r.text(a[static_cast<qsizetype>(i)], key, maxLength);
}

}  // namespace

QJsonObject toJson(const Memory& m) {
    QJsonArray records;
    for (const ZRecord& z : m.zRecords) records.append(state_json::toJson(z, kHomologated));
    QJsonArray counters;
    for (auto it = m.counters.begin(); it != m.counters.end(); ++it)
        counters.append(QJsonObject{{"code", it.key()},
                                    {"last", static_cast<qint64>(it->last)},
                                    {"issued", it->issued},
                                    {"cancelled", it->cancelled}});
    QJsonValue open;
    if (m.open)
        open = QJsonObject{{"code", m.open->code},          {"number", static_cast<qint64>(m.open->number)},
                           {"total", m.open->total.plain()}, {"tax", m.open->tax.plain()},
                           {"paid", m.open->paid.plain()},   {"items", m.open->items},
                           {"payments", m.open->payments}};
    return {{"format", kFormat},
            {"version", kVersion},
            {"identity", state_json::toJson(m.identity)},
            {"z_capacity", m.zCapacity},
            {"z_records", records},
            {"last_x", m.lastX},
            {"day", state_json::toJson(m.day, kHomologated)},
            {"counters", counters},
            {"customer", state_json::toJson(m.customer)},
            {"associated", texts(m.associated)},
            {"zones", texts(m.zones)},
            {"open_document", open},
            {"clock_offset_ms", m.clockOffsetMs},
            {"audit_index", static_cast<qint64>(m.auditIndex)}};
}

std::optional<Memory> fromJson(const QJsonObject& json, QString* error) {
    Reader r(error, kHighestCharacter);
    if (r.text(json, "format") != kFormat) r.fail(QStringLiteral("no es un archivo de estado de un Hasar 2G virtual"));
    if (r.ok() && r.integer(json, "version", 0, 1000) != kVersion) r.fail(QStringLiteral("versión de archivo desconocida"));
    if (!r.ok()) return std::nullopt;

    Memory m;
    m.identity = r.identity(r.object(json, "identity"), kBounds);
    m.zCapacity = static_cast<int>(r.integer(json, "z_capacity", 1, 10000));
    for (const QJsonValue& v : r.array(json, "z_records")) {
        m.zRecords.append(r.zRecord(v, kHomologated));
        if (!r.ok()) break;
    }
    m.lastX = static_cast<int>(r.integer(json, "last_x", 0, FiscalMemory::kMaxXNumber));
    m.day = r.totals(r.object(json, "day"), kHomologated);
    for (const QJsonValue& v : r.array(json, "counters")) {
        const QJsonObject o = v.toObject();
        const int code = static_cast<int>(r.integer(o, "code", 0, 9999));
        if (r.ok() && (!documentCode(code) || m.counters.contains(code))) r.fail(QStringLiteral("contador de un código desconocido o repetido"));
        const Counter c{r.number(o, "last"), r.count(o, "issued"), r.count(o, "cancelled")};
        if (!r.ok()) break;
        m.counters.insert(code, c);
    }
    m.customer = r.customer(r.value(json, "customer"), kBounds);
    readLines(r, json, "associated", m.associated, kMaxText);
    readLines(r, json, "zones", m.zones, Memory::kMaxZoneText);
    if (const auto open = r.objectOrNull(r.value(json, "open_document"), "open_document")) {
        const QJsonObject& o = *open;
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
    }
    m.clockOffsetMs = r.integer(json, "clock_offset_ms", -state_json::kMaxClockOffsetMs, state_json::kMaxClockOffsetMs);
    m.auditIndex = static_cast<quint32>(r.integer(json, "audit_index", 0, std::numeric_limits<quint32>::max()));

    // Within the capacity.
    if (r.ok() && m.lastZ() > m.zCapacity) r.fail(QStringLiteral("hay más cierres Z que la capacidad"));
    r.numberedInOrder(m.zRecords);
    if (!r.ok()) return std::nullopt;
    return m;
}

std::optional<Memory> load(const QString& path, QString* error) {
    return state_json::load(path, error, fromJson);
}

QByteArray contents(const Memory& memory) { return QJsonDocument(toJson(memory)).toJson(); }

}  // namespace state_file

}  // namespace sim::hasar2g
