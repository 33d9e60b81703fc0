// The 2G Hasar's memory on disk: a round trip keeps everything; anything damaged is refused whole
// with the key at fault.

#include <sim/hasar2g/state_file.h>

#include <QJsonArray>

#include <gtest/gtest.h>

namespace {

using sim::hasar2g::Memory;
namespace state_file = sim::hasar2g::state_file;

// A memory with a close, a counter, a customer, owner's lines and a document left open.
Memory usedMemory() {
    Memory m;
    sim::DayTotals totals;
    totals.fiscal = 2;
    totals.homologated = 1;
    totals.sold = sim::Amount{121'0000};
    m.zRecords.append(sim::ZRecord{1, QDate(2026, 1, 1), totals});
    m.day.cancelled = 1;
    m.counters.insert(83, sim::hasar2g::Counter{4, 2, 1});
    m.customer = sim::Customer{QStringLiteral("Cliente de Prueba"), QStringLiteral("20123456786"),
                               QStringLiteral("ResponsableInscripto"), QStringLiteral("TipoCUIT"), QStringLiteral("Calle 1")};
    m.associated[0] = QStringLiteral("Remito 0001-00000001");
    m.zones[5] = QStringLiteral("Gracias, vuelva prontó");
    m.open = sim::hasar2g::OpenDocument{81, 5, sim::Amount{10'0000}, sim::Amount{1'7355}, {}, 1, 0};
    m.clockOffsetMs = -3'600'000;
    m.auditIndex = 7;
    return m;
}

TEST(Hasar2gStateFile, RoundTripKeepsTheWholeMemory) {
    QString error;
    const auto loaded = state_file::fromJson(state_file::toJson(usedMemory()), &error);
    ASSERT_TRUE(loaded) << error.toStdString();
    EXPECT_TRUE(*loaded == usedMemory());
}

TEST(Hasar2gStateFile, DamageIsRefusedWithTheKeyAtFault) {
    const struct {
        const char* object;  // the key's object; null for the top of the file
        const char* key;
        QJsonValue bad;
        const char* reasonHas;
    } rows[] = {
        {nullptr, "format", QStringLiteral("orbelo-virtual-printer-state"), "Hasar 2G"},
        {nullptr, "version", 2, "versión"},
        {"identity", "cuit", QStringLiteral("301234567890"), "'cuit'"},
        {"identity", "point_of_sale", 0, "'point_of_sale'"},
        {"identity", "initialised_on", QStringLiteral("2026-02-30"), "'initialised_on'"},
        {"day", "credit_notes", -1, "'credit_notes'"},
        {"day", "sold", QStringLiteral("mucho"), "'sold'"},
        {"customer", "name", QStringLiteral("Caf\u20ac"), "'name'"},  // beyond Latin-1
        {"customer", "id", QStringLiteral("1\t2"), "'id'"},
        {"open_document", "code", 84, "comprobante abierto"},
        {"open_document", "number", 0, "'number'"},
        {nullptr, "customer", 5, "'customer'"},
        {nullptr, "open_document", QStringLiteral("83"), "'open_document'"},
        {nullptr, "zones", QJsonArray{QStringLiteral("")}, "'zones'"},
        {nullptr, "z_records", QStringLiteral("none"), "'z_records'"},
        {nullptr, "z_capacity", 0, "'z_capacity'"},
        {nullptr, "clock_offset_ms", -1e300, "'clock_offset_ms'"},
        {nullptr, "counters", QJsonArray{QJsonObject{{"code", 84}, {"last", 1}, {"issued", 0}, {"cancelled", 0}}},
         "contador"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.object ? row.object : "") + "." + row.key);
        QJsonObject json = state_file::toJson(usedMemory());
        if (row.object) {
            QJsonObject inner = json[QLatin1String(row.object)].toObject();
            inner[QLatin1String(row.key)] = row.bad;
            json[QLatin1String(row.object)] = inner;
        } else {
            json[QLatin1String(row.key)] = row.bad;
        }
        QString error;
        EXPECT_FALSE(state_file::fromJson(json, &error));
        EXPECT_TRUE(error.contains(QString::fromUtf8(row.reasonHas))) << error.toStdString();
    }
}

TEST(Hasar2gStateFile, CloseRecordsOutOfOrderAreRefused) {
    Memory m = usedMemory();
    m.zRecords.append(m.zRecords[0]);  // a second Z numbered 1
    QString error;
    EXPECT_FALSE(state_file::fromJson(state_file::toJson(m), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("en orden"))) << error.toStdString();
}

}  // namespace
