// The fiscal memory on disk: a round trip keeps everything; anything damaged is refused whole.

#include "hasar_harness.h"

#include <sim/state_file.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <functional>

#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

using named_case::PrintTo;

// A memory that has seen a bit of everything, with a document left open.
sim::FiscalMemory usedMemory() {
    HasarHarness h({}, 8);  // a slip model, which stores a logo
    h.send(0x91);
    h.send(0x90, {"I", "00080001"});
    h.send(0x90, {"F", "81"});
    h.send(0x40, {"T", "T"});
    h.send(0x42, {"Item", "1.5", "2.25", "21.00", "M", "0.00000000", "0", "T"});
    h.send(0x45);
    h.send(0x39, {"Z"});
    h.send(0x58, {"270101", "080000"});
    h.send(0x7B);
    h.send(0x5F, {"2", "LA ESQUINA"});
    h.send(0x5D, {"3", QByteArray(120, 's')});
    h.send(0x5D, {"20", "\xF4" "Gracias"});
    h.send(0x93, {"1", "A-0001-00000001"});
    h.send(0x62, {"Cliente de Prueba", "99999999995", "I", "C", "Domicilio"});
    h.send(0x80, {"R", "T"});
    h.send(0x42, {"Item", "1.0", "0.01", "0.00", "M", "0.00000000", "0", "T"});
    h.memory().configuration = {sim::Amount{2500'0000}, sim::Amount{9000'0000}, sim::Amount{21'0000}, false, false, 'P'};
    return h.memory();
}

TEST(StateFile, RoundTripKeepsTheWholeMemory) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state.json"));
    const sim::FiscalMemory original = usedMemory();
    ASSERT_TRUE(original.open.has_value());
    QString error;
    ASSERT_TRUE(sim::state_file::save(original, path, &error)) << error.toStdString();
    const auto loaded = sim::state_file::load(path, &error);
    ASSERT_TRUE(loaded) << error.toStdString();
    EXPECT_TRUE(*loaded == original);

    // The document left open can be finished after the restart.
    HasarHarness h(*loaded);
    EXPECT_EQ(h.send(0x81).field(3), "00000001");
}

TEST(StateFile, AFileFromBeforeTheOwnersLinesLoadsWithoutThem) {
    QJsonObject json = sim::state_file::toJson(usedMemory());
    ASSERT_EQ(json[QLatin1String("header_trailer")].toArray()[19].toString(), QStringLiteral("\u2194Gracias"));
    for (const char* key : {"fantasy_name", "header_trailer", "configuration"}) json.remove(QLatin1String(key));
    QString error;
    const auto loaded = sim::state_file::fromJson(json, &error);
    ASSERT_TRUE(loaded) << error.toStdString();
    EXPECT_EQ(loaded->fantasyName[1], QString());
    EXPECT_EQ(loaded->headerTrailer[2], QString());
    EXPECT_TRUE(loaded->configuration == sim::Configuration{});
}

TEST(StateFile, SaveReplacesTheFileAndLeavesNothingBehind) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state.json"));
    QString error;
    ASSERT_TRUE(sim::state_file::save(sim::FiscalMemory{}, path, &error));
    ASSERT_TRUE(sim::state_file::save(usedMemory(), path, &error));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("state.json")});
    EXPECT_EQ(sim::state_file::load(path, &error)->lastZ, 1);
}

TEST(StateFile, AnyTextAPeerCanSendLoadsBack) {
    // Frames carry any byte the printer prints, DEL and the letters of its code page included.
    HasarHarness h;
    ASSERT_TRUE(h.send(0x62, {QByteArray("Pe\xA4" "a \x7F Hnos"), "99999999995", "I", "C", QByteArray(200, 'd')}).accepted());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state.json"));
    QString error;
    ASSERT_TRUE(sim::state_file::save(h.memory(), path, &error));
    const auto loaded = sim::state_file::load(path, &error);
    ASSERT_TRUE(loaded) << error.toStdString();
    EXPECT_EQ(loaded->customer->name, QStringLiteral("Pe\u00F1a \u007F Hnos"));
}

using Damage = std::function<void(QJsonObject&)>;

struct CorruptCase {
    const char* name;
    Damage damage;
};

class CorruptState : public ::testing::TestWithParam<CorruptCase> {};

TEST_P(CorruptState, IsRefusedWithAReason) {
    QJsonObject json = sim::state_file::toJson(usedMemory());
    GetParam().damage(json);
    QString error;
    EXPECT_FALSE(sim::state_file::fromJson(json, &error));
    EXPECT_FALSE(error.isEmpty());
}

void set(QJsonObject& json, const char* key, const QJsonValue& value) {
    json[QLatin1String(key)] = value;
}

// Sets one key of the object stored under `object`.
void setInside(QJsonObject& json, const char* object, const char* key, const QJsonValue& value) {
    QJsonObject inner = json[QLatin1String(object)].toObject();
    inner[QLatin1String(key)] = value;
    set(json, object, inner);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, CorruptState,
    ::testing::Values(
        CorruptCase{"WrongFormat", [](QJsonObject& j) { set(j, "format", "something-else"); }},
        CorruptCase{"FutureVersion", [](QJsonObject& j) { set(j, "version", 2); }},
        CorruptCase{"MissingKey", [](QJsonObject& j) { j.remove(QStringLiteral("last_numbers")); }},
        CorruptCase{"NegativeCount", [](QJsonObject& j) { set(j, "cuts", -1); }},
        CorruptCase{"FractionalCount", [](QJsonObject& j) { set(j, "drawer_openings", 1.5); }},
        CorruptCase{"CountAsText", [](QJsonObject& j) { set(j, "last_z", "1"); }},
        CorruptCase{"LastZWithoutItsRecord", [](QJsonObject& j) { set(j, "last_z", 2); }},
        CorruptCase{"ZBeyondCapacity", [](QJsonObject& j) { set(j, "z_capacity", 0); }},
        // Numbers beyond any integer must be refused before they are cast.
        CorruptCase{"CapacityBeyondAnyInteger", [](QJsonObject& j) { set(j, "z_capacity", 1e300); }},
        CorruptCase{"ClockOffsetBeyondAnyInteger", [](QJsonObject& j) { set(j, "clock_offset_ms", -1e300); }},
        CorruptCase{"NumberBeyondAnyInteger",
                    [](QJsonObject& j) { setInside(j, "last_numbers", "a", 1e20); }},
        CorruptCase{"ControlCharacterInName",
                    [](QJsonObject& j) { setInside(j, "identity", "business_name", QStringLiteral("A\x03" "B")); }},
        CorruptCase{"LogoShorterThanItsSize",
                    [](QJsonObject& j) { setInside(j, "logo", "height", 2); }},
        CorruptCase{"UnknownOpenDocument",
                    [](QJsonObject& j) { setInside(j, "open_document", "kind", QStringLiteral("lottery_ticket")); }},
        CorruptCase{"AmountNotANumber",
                    [](QJsonObject& j) { setInside(j, "day", "sold", QStringLiteral("lots")); }},
        CorruptCase{"ThreeEmbarkLines", [](QJsonObject& j) { set(j, "embark", QJsonArray{"", "", ""}); }},
        CorruptCase{"OneFantasyLine", [](QJsonObject& j) { set(j, "fantasy_name", QJsonArray{""}); }},
        CorruptCase{"HeaderLineWiderThanAnyPaper",
                    [](QJsonObject& j) {
                        QJsonArray lines = j[QLatin1String("header_trailer")].toArray();
                        lines[0] = QString(121, QLatin1Char('x'));
                        set(j, "header_trailer", lines);
                    }},
        CorruptCase{"LimitBeyondItsField",
                    [](QJsonObject& j) { setInside(j, "configuration", "ticket_invoice_limit", "1000000000.00"); }},
        CorruptCase{"UnknownCutType", [](QJsonObject& j) { setInside(j, "configuration", "cut_type", "X"); }}),
    named_case::testName);

TEST(StateFile, FilesThatAreNotJsonAreRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state.json"));
    QString error;
    ASSERT_TRUE(sim::state_file::save(usedMemory(), path, &error));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray whole = file.readAll();
    file.resize(whole.size() / 2);  // as if the disk filled up mid-write
    file.close();
    EXPECT_FALSE(sim::state_file::load(path, &error));
    EXPECT_TRUE(error.contains(path));
    EXPECT_FALSE(sim::state_file::load(dir.filePath(QStringLiteral("missing.json")), &error));
}

}  // namespace
