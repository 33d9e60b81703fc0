#include "support/window_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using CancelDocument = WindowTest;

TEST_F(CancelDocument, HasarCancelsOnThePortWithoutWritingTheModel) {
    selectModel(QStringLiteral("7 - Hasar PJ20"));
    selectPort(QStringLiteral(" 3"));
    click(w().btnCancelarTodo);
    EXPECT_EQ(calls(), QStringList({QStringLiteral("ComPort(3)"), QStringLiteral("BeginSession()"),
                                    QStringLiteral("CancelAll()"), QStringLiteral("Finalizar()")}));
    EXPECT_TRUE(disabledInputs().isEmpty());
}

TEST_F(CancelDocument, EpsonOnlyAdvisesAndLeavesTheControlsAsTheyWere) {
    selectModel(QStringLiteral("10 - Epson"));
    w().txtCant->setEnabled(false);
    click(w().btnCancelarTodo);
    EXPECT_EQ(calls(), QStringList{QStringLiteral("Msg(64,\"Para cancelar un comprobante en un impresor fiscal Epson "
                                                  "apague y vuelva a prender el impresor fiscal\")")});
    EXPECT_EQ(disabledInputs(), QStringList{QStringLiteral("txtCant")});
}

TEST_F(CancelDocument, AFailedCancelLeavesTheSessionOpenAndEnablesTheControls) {
    trace.failAt(QStringLiteral("CancelAll"), 1, 8042, QStringLiteral("El impresor fiscal no responde en COM1"));
    click(w().btnCancelarTodo);
    EXPECT_EQ(calls(), QStringList({QStringLiteral("ComPort(1)"), QStringLiteral("BeginSession()"),
                                    QStringLiteral("CancelAll()"),
                                    QStringLiteral("Msg(16,\"El sistema detectó el error Nº 8042 ''El impresor fiscal no "
                                                   "responde en COM1''\")")}));
    EXPECT_TRUE(disabledInputs().isEmpty());
}

}  // namespace
