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
    void print(QPushButton* document, int items = 2) {
        window->txtCant->setText(QStringLiteral("1"));
        click(document);
        window->txtCantItems->setText(QString::number(items));
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
    // No 2G query tells the last Z; the point of sale stays as the printer told it.
    EXPECT_EQ(window->lblPtoVta->text(), QStringLiteral("0001"));
    EXPECT_EQ(window->lblUltimaZ->text(), QStringLiteral("----"));
}

// A technician's day on the 2G through the window's buttons, then the roll and the printer's own
// counters read back without the driver.
TEST_F(Window2gTest, AWorkdayOfTheTicketEntryComesOutOnTheRollAndInTheMemory) {
    selectModel(QStringLiteral("9 - Hasar 715/PR5"));
    print(window->btnFacA, 3);
    print(window->btnNCA, 1);
    click(window->btnX);
    click(window->btnZ);
    clock.set(QDateTime::currentDateTime().addSecs(3600));
    click(window->btnCambioFechaHora);
    click(window->btnTraeInfo);
    EXPECT_TRUE(trace.lines().isEmpty()) << trace.lines().join(QLatin1Char('\n')).toStdString();

    // What the second generation lacks is refused in words, and nothing reaches the roll.
    const QString before = printer.roll();
    click(window->btnImprimir);
    ASSERT_EQ(trace.lines().size(), 1);
    EXPECT_TRUE(trace.lines()[0].contains(QStringLiteral("8052"))) << trace.lines()[0].toStdString();
    EXPECT_EQ(printer.roll(), before);

    const QString roll = printer.roll();
    const QString invoice = roll.section(QStringLiteral("== TIQUE FACTURA A Nro 00001-00000001 =="), 1).section(QStringLiteral("== FIN"), 0, 0);
    EXPECT_EQ(invoice.count(QStringLiteral("Item de Prueba")), 3) << roll.toStdString();
    for (const QString& line : {QStringLiteral("== FIN TIQUE NOTA DE CREDITO A Nro 00001-00000001 =="), QStringLiteral("== FIN INFORME X Nro 0001 =="),
                                QStringLiteral("== FIN INFORME Z Nro 0001 =="), QStringLiteral("== FIN CAMBIO DE FECHA Y HORA ==")})
        EXPECT_EQ(roll.count(line), 1) << line.toStdString() << "\n" << roll.toStdString();
    EXPECT_EQ(printer.status(81).value(QLatin1String("NumeroUltimoComprobante")).toString(), QStringLiteral("1"));
    EXPECT_EQ(printer.status(112).value(QLatin1String("NumeroUltimoComprobante")).toString(), QStringLiteral("1"));
    EXPECT_EQ(window->lblUltimaFacA->text(), QStringLiteral("00000001"));
    EXPECT_EQ(window->lblUltimaNCA->text(), QStringLiteral("00000001"));
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
