#include "e2e_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

// A real Epson's lasting conditions and its own texts, through the window: what the technician
// reads, what lands on the roll.
class ConditionsEndToEnd : public EndToEnd {
protected:
    void startEpson(const QStringList& arguments) {
        start({}, arguments);
        selectModel(kEpson);
        w().cboPuerto->setCurrentIndex(1);
    }

    void press(QPushButton* button) {
        w().Tab->setCurrentIndex(0);
        w().txtCant->setText(QStringLiteral("1"));
        click(button);
    }

    void printDocument(QPushButton* kind) {
        press(kind);
        click(w().btnAceptar);
    }

    QString messages() const { return trace.lines().join(QLatin1Char('\n')); }
};

TEST_F(ConditionsEndToEnd, AWeakBatteryFailsNothingAndStaysInTheCaption) {
    startEpson({QStringLiteral("--battery-low")});
    press(w().btnX);
    printDocument(w().btnFacA);
    EXPECT_TRUE(trace.lines().isEmpty()) << messages().toStdString();
    const QStringList printed = titles(epsonPrinter->paper());
    ASSERT_EQ(printed.size(), 2) << printed.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(printed[0].startsWith(QStringLiteral("== INFORME X")));
    EXPECT_TRUE(printed[1].contains(QStringLiteral("FACTURA A"))) << printed[1].toStdString();
    EXPECT_TRUE(w().lblTitulo->text().endsWith(QStringLiteral(" · batería baja del reloj y la memoria de trabajo")))
        << w().lblTitulo->text().toStdString();
}

// The Z the printer asks for is taken with IMPRIMIR Z; until then a document is refused naming
// that cure, and everything else runs.
TEST_F(ConditionsEndToEnd, AZDueRefusesDocumentsNamingTheCureAndTheZTakesIt) {
    startEpson({QStringLiteral("--z-due")});
    press(w().btnAperturaCajon);
    printDocument(w().btnFacA);
    ASSERT_EQ(trace.lines().size(), 1) << messages().toStdString();
    EXPECT_TRUE(trace.lines()[0].startsWith(QStringLiteral("Msg(16,\"El sistema detectó el error Nº 8013")))
        << messages().toStdString();
    EXPECT_TRUE(trace.lines()[0].contains(QStringLiteral("es necesario hacer un cierre Z: tómelo con IMPRIMIR Z")))
        << messages().toStdString();
    EXPECT_TRUE(w().lblTitulo->text().contains(QStringLiteral("falta el cierre Z"))) << w().lblTitulo->text().toStdString();

    trace.clear();
    press(w().btnZ);
    printDocument(w().btnFacA);
    EXPECT_TRUE(trace.lines().isEmpty()) << messages().toStdString();
    EXPECT_EQ(w().lblTitulo->text(), QStringLiteral("Orbelo 1.0"));
    const QStringList printed = titles(epsonPrinter->paper());
    ASSERT_EQ(printed.size(), 2) << printed.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(printed[0].startsWith(QStringLiteral("== INFORME Z")));
    EXPECT_TRUE(printed[1].contains(QStringLiteral("FACTURA A"))) << printed[1].toStdString();
}

// The business name holds an Ñ: shown as the printer wrote it, and printed back as its bytes.
TEST_F(ConditionsEndToEnd, TheEpsonsOwnNameWithAnEnyeIsShownAndPrintedBack) {
    startEpson({});
    QJsonObject state = epsonPrinter->state();
    QJsonObject identity = state.value(QStringLiteral("identity")).toObject();
    identity.insert(QStringLiteral("business_name"), QStringLiteral("PEÑA HNOS SRL"));
    state.insert(QStringLiteral("identity"), identity);
    QFile file(epsonPrinter->stateFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QJsonDocument(state).toJson());
    file.close();
    ASSERT_TRUE(plugIn(*epsonPrinter, 2));

    w().Tab->setCurrentIndex(1);
    click(w().btnTraeInfo);
    EXPECT_EQ(w().lblRazSoc->text(), QStringLiteral("PEÑA HNOS SRL"));
    click(w().btnImprimir);
    EXPECT_TRUE(trace.lines().isEmpty()) << messages().toStdString();
    EXPECT_TRUE(epsonPrinter->paper().contains(QStringLiteral("PEÑA HNOS SRL")))
        << epsonPrinter->paper().join(QLatin1Char('\n')).toStdString();
}

}  // namespace
