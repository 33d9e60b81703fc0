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

// The press says what it ended, without the earlier operation's advice: that is its own purpose.
TEST_F(CancelDocument, HasarSaysWhatItEndedOnceTheSessionIsOver) {
    const struct {
        LeftOpen found;
        const char* told;
    } cases[] = {
        {{LeftOpen::End::Cancelled, QStringLiteral("FACTURA A"), QStringLiteral("0001-00000002")},
         "Se canceló FACTURA A Nº 0001-00000002."},
        {{LeftOpen::End::Closed, QStringLiteral("el DOCUMENTO NO FISCAL")}, "Se cerró el DOCUMENTO NO FISCAL."},
        {{LeftOpen::End::IssuedUncancellable, QStringLiteral("el documento no fiscal homologado"), QStringLiteral("00000004")},
         "Se emitió el documento no fiscal homologado Nº 00000004: este modelo no puede cancelarlo, así que se cerró."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told);
        trace.clear();
        hasar.leaveOpen(c.found);
        click(w().btnCancelarTodo);
        EXPECT_EQ(calls(), QStringList({QStringLiteral("ComPort(1)"), QStringLiteral("BeginSession()"),
                                        QStringLiteral("CancelAll()"), QStringLiteral("Finalizar()"),
                                        QStringLiteral("Msg(64,\"%1\")").arg(QString::fromUtf8(c.told))}));
    }
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
