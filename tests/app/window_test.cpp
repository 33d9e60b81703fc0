#include "drivers/link/link_trace.h"
#include "support/window_fixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

using Window = WindowTest;

TEST_F(Window, StartsWithItsListsFilledAndFirstEntriesSelected) {
    QStringList ports;
    for (int i = 0; i < w().cboPuerto->count(); ++i) ports << w().cboPuerto->itemText(i);
    EXPECT_EQ(ports, QStringList({" 1", " 2", " 3", " 4"}));
    EXPECT_EQ(w().cboPuerto->currentText(), QStringLiteral(" 1"));
    ASSERT_EQ(w().cboListaImp->count(), 10);
    EXPECT_EQ(w().cboListaImp->currentText(), QStringLiteral("1 - Hasar 614"));
    EXPECT_EQ(w().cboListaImp->itemText(7), QStringLiteral("8 - Hasar P320/PL-8/PL-9/PL-23/P321/P322/P330/320/P425/2008"));
    EXPECT_EQ(w().cboListaImp->itemText(9), QStringLiteral("10 - Epson"));
    EXPECT_EQ(w().txtCant->text(), QStringLiteral("1"));
    EXPECT_EQ(w().txtCantItems->text(), QStringLiteral("1"));
    EXPECT_EQ(w().txtPrecinto->text(), QStringLiteral("1"));
    EXPECT_FALSE(w().fmeCantItems->isEnabled());
    EXPECT_EQ(w().Tab->currentIndex(), 0);
    EXPECT_TRUE(w().lblRazSoc->text().isEmpty());
    EXPECT_TRUE(calls().isEmpty());
}

TEST_F(Window, IsBorderlessWithItsOwnTitleAndTheDesignedSize) {
    EXPECT_TRUE(w().windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w().lblTitulo->text(), QStringLiteral("Orbelo 1.0"));
    EXPECT_EQ(w().size(), QSize(741, 605));  // 11115 x 9075 twips
    EXPECT_EQ(w().btnAperturaCajon->geometry().size(), QSize(185, 41));
    EXPECT_EQ(w().Tab->tabText(0), QStringLiteral("TEST DE IMPRESORES FISCALES"));
    EXPECT_EQ(w().Tab->tabText(1), QStringLiteral("DATOS FISCALES"));
    EXPECT_EQ(w().Tab->tabText(2), QStringLiteral("TOMAR/ENVIAR DATOS AL IMPRESOR FISCAL"));
}

TEST_F(Window, EveryEditBoxAndListCanBeFoundByItsCaption) {
    const QList<QWidget*> inputs = w().findChildren<QWidget*>();
    int checked = 0;
    for (QWidget* input : inputs) {
        if (!qobject_cast<QLineEdit*>(input) && !qobject_cast<QComboBox*>(input)) continue;
        if (qobject_cast<QComboBox*>(input->parentWidget())) continue;
        EXPECT_FALSE(input->accessibleName().isEmpty()) << input->objectName().toStdString();
        ++checked;
    }
    EXPECT_EQ(checked, 57);
    EXPECT_EQ(w().txtCant->accessibleName(), QStringLiteral("Cantidad de Tickets/Facturas"));
    EXPECT_EQ(w().cboListaImp->accessibleName(), QStringLiteral("Modelos de Impresor"));
}

// A screen reader reads what a value label shows, not only its caption, and follows the caption to it.
TEST_F(Window, FiscalDataValuesAreReadByAssistiveTechnology) {
    const struct {
        QLabel* value;
        const char* caption;
    } rows[] = {
        {w().lblNroImpresor, "Nº DE IMPRESOR"},
        {w().lblRazSoc, "Razón Social"},
        {w().lblCUIT, "C.U.I.T."},
        {w().lblPtoVta, "Punto de Venta"},
        {w().lblUltimaZ, "Ultimo Número de Z"},
        {w().lblUltimaFacA, "Ultimo Número de Ticket/Factura A"},
        {w().lblUltimaFacB, "Ultimo Número de Ticket/Factura B"},
        {w().lblUltimaNCA, "Ultimo Número de N. de Crédito A"},
        {w().lblUltimaNCB, "Ultimo Número de N. de Crédito B"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.caption);
        row.value->setText(QStringLiteral("00001234"));
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(row.value);
        ASSERT_NE(reader, nullptr);
        EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("00001234"));
        EXPECT_EQ(reader->text(QAccessible::Description), QString::fromUtf8(row.caption));
        const auto labels = reader->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels.first().first->text(QAccessible::Name), QString::fromUtf8(row.caption) + QLatin1Char(':'));
    }
}

TEST_F(Window, NumericBoxesTakeDigitsOnePointAndOneCommaUpToNineCharacters) {
    QLineEdit* box = w().txtCant;
    box->clear();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("2a.5.,7,1234567890"));
    EXPECT_EQ(box->text(), QStringLiteral("2.5,71234"));
}

// The next control the Tab key reaches from this one, skipping the inner parts of a control.
QWidget* nextTabStop(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while (next != from && (from->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus))) next = next->nextInFocusChain();
    return next;
}

TEST_F(Window, TabOrderFollowsTheDesign) {
    EXPECT_EQ(nextTabStop(w().cboPuerto), w().txtCant);
    EXPECT_EQ(nextTabStop(w().txtCant), w().cboListaImp);
    EXPECT_EQ(nextTabStop(w().cboListaImp), w().btnCargaLogo);
    EXPECT_EQ(nextTabStop(w().btnRepGlobal), w().btnImprimir);
    EXPECT_EQ(nextTabStop(w().btnTraeInfo), w().txtCantItems);
    EXPECT_EQ(nextTabStop(w().btnAceptar), w().btnCancelar);
}

TEST_F(Window, ButtonsOfTheDataEntryPageDoNothingAndSaySo) {
    w().Tab->setCurrentIndex(2);
    const QList<QPushButton*> buttons = w().Tab->widget(2)->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 5);
    for (QPushButton* b : buttons) {
        EXPECT_TRUE(b->toolTip().startsWith(QStringLiteral("Sin función"))) << b->objectName().toStdString();
        w().Tab->widget(2)->findChild<QTabWidget*>()->setCurrentWidget(b->parentWidget());
        click(b);
    }
    EXPECT_TRUE(calls().isEmpty());
    EXPECT_TRUE(disabledInputs().isEmpty());
}

// The trace names where each operation starts: the button pressed (the document's, not the
// Aceptar that confirms it), the model entry and the port with its device.
TEST_F(Window, EachOperationStartsALineInTheTrace) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("traza.txt"));
    ASSERT_TRUE(link_trace::setFile(file));
    qputenv("ORBELO_COM2", "/dev/ttyUSB5");
    selectPort(QStringLiteral(" 2"));
    click(w().btnX);
    click(w().btnFacA);
    click(w().btnAceptar);
    qunsetenv("ORBELO_COM2");
    link_trace::setFile(QString());
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(written.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString model = w().cboListaImp->currentText();
    ASSERT_EQ(lines.size(), 2) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" === IMPRIMIR X · modelo %1 · COM2 (/dev/ttyUSB5)").arg(model)))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(" === TICKET/FACTURA A · modelo %1 · COM2 (/dev/ttyUSB5)").arg(model)))
        << lines[1].toStdString();
}

TEST_F(Window, PressingAnyMouseButtonOnTheTitleBarOrItsLabelDragsTheWindow) {
    for (QWidget* handle : {static_cast<QWidget*>(w().fmeTop), static_cast<QWidget*>(w().lblTitulo)}) {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            const QPoint start = w().pos();
            QTest::mousePress(handle, button, Qt::ShiftModifier, QPoint(5, 5));
            QMouseEvent move(QEvent::MouseMove, QPointF(45, 25), handle->mapToGlobal(QPointF(45, 25)), Qt::NoButton, button,
                             Qt::NoModifier);
            QApplication::sendEvent(handle, &move);
            QTest::mouseRelease(handle, button, Qt::NoModifier, QPoint(45, 25));
            EXPECT_EQ(w().pos() - start, QPoint(40, 20)) << handle->objectName().toStdString();
        }
    }
}

// What either printer tells beside its replies reaches the caption through its interface: a held
// command until the printer answers or the operation ends, a lasting condition until a reply no
// longer reports it.
TEST_F(Window, APrintersHoldAndConditionsShowInTheCaptionUntilTheyEnd) {
    const QString battery = QStringLiteral("batería baja del reloj y la memoria de trabajo");
    for (PrinterEvents* events : {&hasar.events(), &epson.events()}) {
        emit events->held(PrinterHold::Busy);
        EXPECT_EQ(w().lblTitulo->text(), QStringLiteral("Orbelo 1.0 · impresor ocupado…"));
        emit events->held(PrinterHold::None);
        EXPECT_EQ(w().lblTitulo->text(), QStringLiteral("Orbelo 1.0"));
        emit events->conditionsReported({battery});
        emit events->held(PrinterHold::NoPaper);
        const QString both = QStringLiteral("Orbelo 1.0 · sin papel: coloque papel para continuar · ") + battery;
        EXPECT_EQ(w().lblTitulo->text(), both);
        EXPECT_EQ(w().windowTitle(), both);
        click(w().btnX);
        EXPECT_EQ(w().lblTitulo->text(), QStringLiteral("Orbelo 1.0 · ") + battery);
        emit events->conditionsReported({});
        EXPECT_EQ(w().lblTitulo->text(), QStringLiteral("Orbelo 1.0"));
        EXPECT_EQ(w().windowTitle(), QStringLiteral("Orbelo"));
    }
}

TEST_F(Window, TitleBarButtonsMinimiseAndClose) {
    click(w().btnMinimizar);
    EXPECT_TRUE(w().windowState() & Qt::WindowMinimized);
    click(w().btnCerrar);
    EXPECT_FALSE(w().isVisible());
    EXPECT_TRUE(calls().isEmpty());
}

}  // namespace
