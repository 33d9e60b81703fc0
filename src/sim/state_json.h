#pragma once

#include "fiscal_memory.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <optional>

// The parts every virtual printer's state file shares: reading typed values with a reason for the
// first problem, the identity, customer and daily-close records, and reading the file itself.
namespace sim::state_json {

constexpr qint64 kMaxFileBytes = 8 * 1024 * 1024;
constexpr int kMaxText = 120;
constexpr qint64 kMaxClockOffsetMs = 200LL * 365 * 24 * 3600 * 1000;

// How long each identity and customer text may be, and the points of sale a printer takes.
struct Bounds {
    int cuit;
    int minPointOfSale;
    int maxPointOfSale;
    struct {
        int name, id, responsibility, idType, address;
    } customer;
};

// Reads typed values and keeps the first problem, so each caller reads straight through and
// checks once at the end.
class Reader {
public:
    // `highest`: the highest character a text may hold, beyond the controls below the blank.
    explicit Reader(QString* error, char16_t highest = 0xFFFF);

    bool ok() const { return error_->isEmpty(); }
    void fail(const QString& what);

    QJsonValue value(const QJsonObject& o, const char* key);
    QJsonObject object(const QJsonObject& o, const char* key);
    QJsonArray array(const QJsonObject& o, const char* key);
    // An object that may be null: none when null, and a failure when it is neither.
    std::optional<QJsonObject> objectOrNull(const QJsonValue& v, const char* key);
    bool boolean(const QJsonObject& o, const char* key);
    qint64 integer(const QJsonValue& v, const char* key, qint64 min, qint64 max);
    qint64 integer(const QJsonObject& o, const char* key, qint64 min, qint64 max);
    int count(const QJsonObject& o, const char* key);
    quint32 number(const QJsonObject& o, const char* key);  // a document number, eight digits
    QString text(const QJsonValue& v, const char* key, int maxLength = kMaxText);
    QString text(const QJsonObject& o, const char* key, int maxLength = kMaxText);
    QDate date(const QJsonObject& o, const char* key);
    Amount amount(const QJsonObject& o, const char* key);

    // `homologatedKey`: the name each file gives DayTotals::homologated.
    DayTotals totals(const QJsonObject& o, const char* homologatedKey);
    ZRecord zRecord(const QJsonValue& v, const char* homologatedKey);
    FiscalIdentity identity(const QJsonObject& o, const Bounds& bounds);
    std::optional<Customer> customer(const QJsonValue& v, const Bounds& bounds);
    // Fails unless the records are the Z reports 1..n, in order.
    void numberedInOrder(const QList<ZRecord>& records);

private:
    QString* error_;
    char16_t highest_;
};

QJsonObject toJson(const DayTotals& t, const char* homologatedKey);
QJsonObject toJson(const ZRecord& z, const char* homologatedKey);
QJsonObject toJson(const FiscalIdentity& id);
QJsonValue toJson(const std::optional<Customer>& customer);

// The JSON object in the file, refused when unreadable, too large or not an object.
std::optional<QJsonObject> readObject(const QString& path, QString* error);

// A state file read whole through `fromJson`, with the path in the reason it is refused.
template <typename Memory>
std::optional<Memory> load(const QString& path, QString* error,
                           std::optional<Memory> (*fromJson)(const QJsonObject&, QString*)) {
    const auto json = readObject(path, error);
    if (!json) return std::nullopt;
    auto memory = fromJson(*json, error);
    if (!memory) *error = QStringLiteral("%1 rechazado: %2").arg(path, *error);
    return memory;
}

}  // namespace sim::state_json
