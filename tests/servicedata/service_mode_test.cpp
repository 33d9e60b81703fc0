#include "app/controls_lock.h"
#include "servicedata/service_data.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

namespace {

class ServiceMode : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        startServiceMode(w());
        selectModel(QStringLiteral("8 - Hasar P320/PL-8/PL-9/PL-23/P321/P322/P330/320/P425/2008"));
        w().Tab->setCurrentIndex(2);
    }
    QLineEdit* box(const QString& name) { return w().findChild<QLineEdit*>(name); }
    QCheckBox* check(const QString& name) { return w().findChild<QCheckBox*>(name); }
    QPushButton* button(const QString& name) { return w().findChild<QPushButton*>(name); }
    void showInner(const char* name) {
        QWidget* page = button(QString::fromLatin1(name))->parentWidget();
        w().findChild<QTabWidget*>(QStringLiteral("Tab2"))->setCurrentWidget(page);
    }
    bool sent() const {
        for (const QString& call : calls())
            if (call.startsWith(QLatin1String("SetServiceText"))) return true;
        return false;
    }
};

TEST_F(ServiceMode, TheCaptionSaysSoAndStylesTheMakerDoesNotDocumentStayDisabled) {
    EXPECT_EQ(w().lblTitulo->text(), QStringLiteral("Orbelo 1.0 · modo servicio"));
    EXPECT_FALSE(button(QStringLiteral("btnTraeDatos"))->toolTip().startsWith(QStringLiteral("Sin función")));
    EXPECT_TRUE(button(QStringLiteral("btnEnviarConfiguracion"))->toolTip().startsWith(QStringLiteral("Sin función")));
    SetControlsEnabled(w(), false);
    SetControlsEnabled(w(), true);
    EXPECT_TRUE(check(QStringLiteral("chkFantaD(1)"))->isEnabled());
    EXPECT_TRUE(check(QStringLiteral("chkLineaD(12)"))->isEnabled());
    for (const char* name : {"chkFantaC(1)", "chkFantaB(5)", "chkLineaC(3)", "chkLineaC(20)"}) {
        EXPECT_FALSE(check(QString::fromLatin1(name))->isEnabled()) << name;
        EXPECT_FALSE(check(QString::fromLatin1(name))->toolTip().isEmpty()) << name;
    }
    EXPECT_FALSE(box(QStringLiteral("txtNroImpresorIzq(1)"))->isEnabled());
    // A click where the technician sees "Traer Datos" reaches it, not the frame drawn over it.
    QPushButton* read = button(QStringLiteral("btnTraeDatos"));
    QWidget* page = read->parentWidget();
    EXPECT_EQ(page->childAt(read->geometry().center()), read);
}

TEST_F(ServiceMode, TraerDatosFillsWhatTheHasarTellsAndSaysWhatItDoesNot) {
    hasar.answer(QStringLiteral("QueryInitData"),
                 {{0, QStringLiteral("0080\x1C" "0600\x1C" "30712345671")}, {3, QStringLiteral("30712345671")},
                  {4, QStringLiteral("PEÑA HNOS SRL")}, {5, QStringLiteral("OVH0000001")}, {7, QStringLiteral("0001")},
                  {8, QStringLiteral("240101")}, {9, QStringLiteral("901-123456-7")}});
    hasar.answer(QStringLiteral("QueryDailyStatus"),
                 {{0, QStringLiteral("0080\x1C" "0600\x1C" "1825")}, {3, QStringLiteral("1825")}, {4, QStringLiteral("0012")}});
    hasar.answer(QStringLiteral("QueryServiceText(EncabezadoPie,1)"),
                 {{0, QStringLiteral("0080\x1C" "0600\x1C" "x")}, {3, QStringLiteral("\u00F4LA ESQUINA")}});
    type(w().txtPrecinto, QStringLiteral("815"));
    click(button(QStringLiteral("btnTraeDatos")));

    EXPECT_EQ(box(QStringLiteral("txtRazonSocial"))->text(), QStringLiteral("PEÑA HNOS SRL"));
    EXPECT_EQ(box(QStringLiteral("txtFecIniActiv"))->text(), QStringLiteral("240101"));  // the slip order
    EXPECT_EQ(box(QStringLiteral("txtZetasRest"))->text(), QStringLiteral("1813"));
    EXPECT_EQ(box(QStringLiteral("txtNroPrecinto"))->text(), QStringLiteral("815"));
    EXPECT_EQ(box(QStringLiteral("txtLinea(1)"))->text(), QStringLiteral("LA ESQUINA"));
    EXPECT_TRUE(check(QStringLiteral("chkLineaD(1)"))->isChecked());
    // A line the model did not answer, and the three fantasy lines a Hasar does not keep.
    EXPECT_FALSE(box(QStringLiteral("txtLinea(2)"))->toolTip().isEmpty());
    EXPECT_FALSE(box(QStringLiteral("txtFanta(3)"))->toolTip().isEmpty());
    EXPECT_FALSE(box(QStringLiteral("txtLimiteCF"))->toolTip().isEmpty());
    EXPECT_TRUE(calls().contains(QStringLiteral("QueryServiceText(EncabezadoPie,20)")));
    EXPECT_FALSE(calls().contains(QStringLiteral("QueryServiceText(Fantasia,3)")));
    EXPECT_EQ(calls().last(), QStringLiteral("Finalizar()"));
}

// Only a changed line goes, and only after Sí; a line the printer would refuse stops everything
// before the question.
TEST_F(ServiceMode, EnviarDatosChecksThenAsksThenSends) {
    hasar.answer(QStringLiteral("QueryServiceText(EncabezadoPie,2)"),
                 {{0, QStringLiteral("0080\x1C" "0600\x1C" "x")}, {3, QStringLiteral("NUEVA")}});
    showInner("btnEnviarEncabezado");
    type(box(QStringLiteral("txtLinea(2)")), QStringLiteral("NUEVA"));

    click(button(QStringLiteral("btnEnviarEncabezado")));
    EXPECT_TRUE(calls().contains(QStringLiteral("CheckServiceText(EncabezadoPie,2,\"NUEVA\")")));
    EXPECT_FALSE(sent()) << calls().join(QLatin1Char('\n')).toStdString();

    prompts.answerQuestions(true);
    trace.clear();
    click(button(QStringLiteral("btnEnviarEncabezado")));
    const qsizetype asked = calls().indexOf(QRegularExpression(QStringLiteral("^Ask\\(.*Línea Nº 2 del encabezado: «NUEVA».*")));
    const qsizetype set = calls().indexOf(QStringLiteral("SetServiceText(EncabezadoPie,2,\"NUEVA\")"));
    ASSERT_GE(asked, 0) << calls().join(QLatin1Char('\n')).toStdString();
    EXPECT_GT(set, asked);
    EXPECT_EQ(calls().indexOf(QStringLiteral("QueryServiceText(EncabezadoPie,2)")), set + 1);

    // Read back as sent: nothing more to send.
    trace.clear();
    click(button(QStringLiteral("btnEnviarEncabezado")));
    EXPECT_EQ(calls(), QStringList{QStringLiteral("Msg(64,\"No hay líneas que cambien en el impresor fiscal\")")});

    trace.clear();
    hasar.refuseServiceLine(3, QStringLiteral("Línea Nº 3 del encabezado tiene 45 caracteres; el impresor toma 40"));
    type(box(QStringLiteral("txtLinea(3)")), QString(45, QLatin1Char('x')));
    click(button(QStringLiteral("btnEnviarEncabezado")));
    EXPECT_FALSE(sent());
    EXPECT_FALSE(calls().join(QLatin1Char('\n')).contains(QLatin1String("Ask(")));
    EXPECT_TRUE(calls().last().contains(QStringLiteral("Línea Nº 3 del encabezado tiene 45 caracteres"))) << calls().last().toStdString();
}

}  // namespace
