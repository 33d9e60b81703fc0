#include "app/controls_lock.h"
#include "support/window_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

using BusyLock = WindowTest;

TEST_F(BusyLock, DisablesEveryInputControlOnEveryPageAndNothingElse) {
    SetControlsEnabled(w(), false);
    const QStringList disabled = disabledInputs();
    // 3 lists/boxes + 20 buttons on page 1 with its frame, 2 buttons + seal box on page 2, and page 3.
    for (const char* name : {"cboPuerto", "txtCant", "cboListaImp", "btnX", "btnFacA", "txtCantItems", "btnAceptar",
                             "btnCancelar", "btnTraeInfo", "btnImprimir", "txtPrecinto", "btnTraeDatos", "txtFanta(1)",
                             "chkFantaB(5)", "txtLinea(20)", "txtZetasRest", "btnEnviarConfiguracion"})
        EXPECT_TRUE(disabled.contains(QString::fromLatin1(name))) << name;
    const QList<QWidget*> untouchedKinds = {w().btnCerrar, w().btnMinimizar, w().Tab, w().fmeTop, w().lblTitulo, w().lblUltimaZ};
    for (QWidget* untouched : untouchedKinds)
        EXPECT_TRUE(untouched->isEnabled()) << untouched->objectName().toStdString();
    EXPECT_FALSE(w().fmeCantItems->isEnabled());  // frames keep their own state

    SetControlsEnabled(w(), true);
    EXPECT_TRUE(disabledInputs().isEmpty());
}

TEST_F(BusyLock, LeavesTheItemCountFrameAsItIs) {
    w().fmeCantItems->setEnabled(true);
    SetControlsEnabled(w(), false);
    EXPECT_TRUE(w().fmeCantItems->isEnabled());
    EXPECT_FALSE(w().txtCantItems->isEnabled());
    SetControlsEnabled(w(), true);
    EXPECT_TRUE(w().fmeCantItems->isEnabled());
    EXPECT_TRUE(w().btnAceptar->isEnabled());
}

TEST_F(BusyLock, ALockedWindowStillPagesMinimisesAndIgnoresItsButtons) {
    SetControlsEnabled(w(), false);
    w().Tab->setCurrentIndex(1);
    EXPECT_EQ(w().Tab->currentIndex(), 1);
    w().Tab->setCurrentIndex(0);
    click(w().btnX);
    click(w().btnRepGlobal);
    EXPECT_TRUE(calls().isEmpty());
    click(w().btnMinimizar);
    EXPECT_TRUE(w().windowState() & Qt::WindowMinimized);
}

}  // namespace
