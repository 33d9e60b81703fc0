#include "app/port_device.h"
#include "support/system_port.h"
#include "support/window_fixture.h"
#include "support/named_case.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// COM3 as the variable and the settings leave it, and where its device comes from.
struct Lookup {
    const char* name;
    std::optional<QByteArray> variable;
    QString stored;
    QString device;
    PortSource source;
};

class PortDeviceLookup : public ::testing::TestWithParam<Lookup> {
protected:
    void TearDown() override {
        qunsetenv("ORBELO_COM3");
        assignPortDevice(3, QString());
    }
};

TEST_P(PortDeviceLookup, TakesTheVariableThenTheSettingsThenTheSystemName) {
    const Lookup& c = GetParam();
    if (c.variable) qputenv("ORBELO_COM3", *c.variable);
    ASSERT_TRUE(assignPortDevice(3, c.stored));
    const PortDevice found = portDevice(3);
    EXPECT_EQ(found.device, c.device);
    EXPECT_EQ(found.source, c.source);
    EXPECT_EQ(portDeviceName(3), c.device);
}

INSTANTIATE_TEST_SUITE_P(
    Ports, PortDeviceLookup,
    ::testing::Values(Lookup{"nothing_set", std::nullopt, {}, systemPortName(3), PortSource::Default},
                      Lookup{"settings", std::nullopt, "/dev/ttyUSB0", "/dev/ttyUSB0", PortSource::Settings},
                      Lookup{"variable_over_settings", "/dev/ttyACM1", "/dev/ttyUSB0", "/dev/ttyACM1",
                             PortSource::Variable},
                      Lookup{"empty_variable_is_unset", "", "/dev/ttyUSB0", "/dev/ttyUSB0", PortSource::Settings},
                      Lookup{"removed_assignment", std::nullopt, {}, systemPortName(3), PortSource::Default}),
    named_case::testName);

TEST(PortDeviceAssignment, AnEmptyDeviceRemovesTheAssignment) {
    ASSERT_TRUE(assignPortDevice(2, QStringLiteral("/dev/ttyUSB3")));
    EXPECT_EQ(portDevice(2).source, PortSource::Settings);
    ASSERT_TRUE(assignPortDevice(2, QString()));
    EXPECT_EQ(portDevice(2).device, systemPortName(2));
}

// A caller with a file of its own (every test) keeps its assignments there; scripts/windows
// checks that the tests leave the registry's HKCU\Software\Orbelo untouched, which even
// reading it here would create.
TEST(PortDeviceAssignment, GoesToTheChosenFileAndNotToTheOneBefore) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("puertos.ini"));
    const QString device = dir.filePath(QStringLiteral("adaptador"));
    const QString suiteFile = usePortSettingsFile(file);
    EXPECT_FALSE(suiteFile.isEmpty());
    ASSERT_TRUE(assignPortDevice(4, device));
    EXPECT_EQ(portDevice(4).device, device);
    usePortSettingsFile(suiteFile);
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value(QStringLiteral("Puertos/COM4")).toString(), device);
    EXPECT_EQ(portDevice(4).source, PortSource::Default);
}

using PortList = WindowTest;

TEST_F(PortList, TooltipsNameTheDeviceAndAreReadAgainWhenTheListOpens) {
    QComboBox& list = *w().cboPuerto;
    EXPECT_EQ(list.itemData(1, Qt::ToolTipRole).toString(), QStringLiteral("COM2 → ") + systemPortName(2));
    EXPECT_EQ(list.toolTip(), QStringLiteral("COM1 → ") + systemPortName(1));
    qputenv("ORBELO_COM2", "/tmp/adaptador-nuevo");
    list.showPopup();
    list.hidePopup();
    qunsetenv("ORBELO_COM2");
    EXPECT_EQ(list.itemData(1, Qt::ToolTipRole).toString(), QStringLiteral("COM2 → /tmp/adaptador-nuevo"));
    selectPort(QStringLiteral(" 2"));
    EXPECT_EQ(list.toolTip(), QStringLiteral("COM2 → /tmp/adaptador-nuevo"));
}

}  // namespace
