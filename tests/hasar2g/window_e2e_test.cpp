// The window wired as the program wires it: a Hasar model entry on a COM number assigned a network
// address talks 2G through our driver, on the same buttons as a serial Hasar.

#include "app/frm_orbelo.h"
#include "app/port_device.h"
#include "drivers/epson/epson_driver.h"
#include "drivers/hasar/hasar_driver.h"
#include "drivers/hasar2g/hasar2g_driver.h"
#include "program/hasar_by_port.h"
#include "program/operations.h"
#include "support/recording_prompts.h"
#include "support/trace.h"
#include "virtual_2g.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int kPortIndex = 2;  // " 3"

class Window2gTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(printer.start({}, &error)) << error.toStdString();
        ASSERT_TRUE(assignPortDevice(3, printer.url().toString(QUrl::RemovePath)));
        clock.set(QDateTime::currentDateTime());
        window = std::make_unique<FrmOrbelo>(hasar, epson, prompts, clock);
        wireOperations(*window);
        window->show();
        window->cboPuerto->setCurrentIndex(kPortIndex);
    }
    void TearDown() override {
        window.reset();
        assignPortDevice(3, QString());
    }

    void selectModel(const QString& entry) { window->cboListaImp->setCurrentIndex(window->cboListaImp->findText(entry)); }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void print(QPushButton* document) {
        window->txtCant->setText(QStringLiteral("1"));
        click(document);
        window->txtCantItems->setText(QStringLiteral("2"));
        click(window->btnAceptar);
    }

    Virtual2g printer;
    Trace trace;
    RecordingPrompts prompts{trace};
    FixedClock clock;
    HasarDriver serialHasar{portDeviceName, portSpeed};
    Hasar2gDriver networkHasar{portDeviceName, portCredentials};
    HasarByPort hasar{serialHasar, networkHasar, portDeviceName};
    EpsonDriver epson{portDeviceName, portSpeed};
    std::unique_ptr<FrmOrbelo> window;
};

TEST_F(Window2gTest, TicketEntryPrintsAndReadsTheSecondGeneration) {
    selectModel(QStringLiteral("9 - Hasar 715/PR5"));
    print(window->btnFacA);
    EXPECT_TRUE(trace.lines().isEmpty()) << trace.lines().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(printer.roll().count(QStringLiteral("== FIN TIQUE FACTURA A Nro 00001-00000001 ==")), 1) << printer.roll().toStdString();

    click(window->btnTraeInfo);
    EXPECT_EQ(window->lblCUIT->text(), QStringLiteral("30712345701"));
    EXPECT_EQ(window->lblUltimaFacA->text(), QStringLiteral("00000001"));
}

TEST_F(Window2gTest, SlipEntryIsRefusedInWordsAndPrintsNothing) {
    selectModel(QStringLiteral("7 - Hasar PJ20"));
    print(window->btnFacA);
    ASSERT_EQ(trace.lines().size(), 1);
    EXPECT_TRUE(trace.lines()[0].contains(QStringLiteral("8052"))) << trace.lines()[0].toStdString();
    EXPECT_TRUE(trace.lines()[0].contains(QStringLiteral("Hasar 2G, que imprime tiques"))) << trace.lines()[0].toStdString();
    EXPECT_FALSE(printer.roll().contains(QStringLiteral("== FIN")));
}

}  // namespace
