#include "app/controls_lock.h"
#include "app/error_path.h"
#include "drivers/operation_error.h"
#include "support/window_fixture.h"
#include "program/operations.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

TEST(ErrorMessage, WrapsTheDescriptionInTwoPairsOfApostrophes) {
    EXPECT_EQ(errorMessage(13, QStringLiteral("Type mismatch")), QStringLiteral("El sistema detectó el error Nº 13 ''Type mismatch''"));
}

using ErrorPath = WindowTest;

TEST_F(ErrorPath, ShowsTheCriticalMessageEnablesTheControlsAndUndoesNothingElse) {
    trace.failAt(QStringLiteral("CancelAll"), 1, 8123, QStringLiteral("El impresor no responde"));
    click(w().btnZ);
    QStringList expected = hasarPreamble(1, 1);
    expected << QStringLiteral("CancelAll()") << QStringLiteral("Msg(16,\"El sistema detectó el error Nº 8123 ''El impresor no responde''\")");
    EXPECT_EQ(calls(), expected);  // no Finalizar: the session is left to the driver
    EXPECT_TRUE(disabledInputs().isEmpty());
    EXPECT_FALSE(w().busy());
}

TEST_F(ErrorPath, AfterAnErrorTheNextOperationBeginsItsSessionAgain) {
    trace.failAt(QStringLiteral("PrintXReport"));
    click(w().btnX);
    trace.clear();
    click(w().btnX);
    QStringList expected = hasarPreamble(1, 1);
    expected << QStringLiteral("CancelAll()") << QStringLiteral("PrintXReport()") << QStringLiteral("Finalizar()");
    EXPECT_EQ(calls(), expected);
}

TEST_F(ErrorPath, AnUnexpectedExceptionIsShownAsAnInternalErrorNotLetLoose) {
    runOperation(w(), [] { throw std::runtime_error("boom"); });
    EXPECT_EQ(calls(), QStringList({QStringLiteral("Msg(16,\"El sistema detectó el error Nº 51 ''Error interno: boom''\")")}));
}

Qt::CursorShape cursorShape() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

// The wait cursor shows while the operation runs and is gone however it ends, before any error shows.
TEST_F(ErrorPath, TheWaitCursorShowsWhileAnOperationRunsAndIsGoneOnEveryWayOut) {
    const struct {
        const char* name;
        std::function<void()> end;
    } ways[] = {
        {"done", [] {}},
        {"driver error", [] { throw DriverError(8007, QStringLiteral("no responde")); }},
        {"internal error", [] { throw std::runtime_error("boom"); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        Qt::CursorShape during = Qt::ArrowCursor;
        runOperation(w(), [&] {
            during = cursorShape();
            way.end();
        });
        EXPECT_EQ(during, Qt::WaitCursor);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

// What an operation found left open by an earlier one is told once, after the operation's own
// outcome: its end, or its error message.
TEST_F(ErrorPath, WhatWasFoundLeftOpenIsToldAfterTheOperationsOwnOutcome) {
    const QString failure = QStringLiteral("Msg(16,\"El sistema detectó el error Nº 8123 ''El impresor no responde''\")");
    const QString cancelled = QStringLiteral(
        "Msg(64,\"Se canceló FACTURA A Nº 0001-00000002, que había quedado sin terminar de una operación anterior. "
        "Si aún hace falta, repita esa operación.\")");
    const LeftOpen invoiceA{LeftOpen::End::Cancelled, QStringLiteral("FACTURA A"), QStringLiteral("0001-00000002")};
    const struct {
        const char* name;
        bool epson;
        LeftOpen found;
        const char* failing;  // the call that fails, or nullptr
        QStringList after;    // the calls after the cancel, the messages included
    } cases[] = {
        {"HasarDone", false, invoiceA, nullptr, {QStringLiteral("PrintXReport()"), QStringLiteral("Finalizar()"), cancelled}},
        {"HasarFailed", false, invoiceA, "PrintXReport", {QStringLiteral("PrintXReport()"), failure, cancelled}},
        {"EpsonFailed", true, invoiceA, "DailyReport", {QStringLiteral("DailyReport(\"X\",\"P\")"), failure, cancelled}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        trace.clear();
        selectModel(c.epson ? QStringLiteral("10 - Epson") : QStringLiteral("1 - Hasar 614"));
        if (c.epson) epson.leaveOpen(c.found);
        else hasar.leaveOpen(c.found);
        if (c.failing) trace.failAt(QString::fromUtf8(c.failing), 1, 8123, QStringLiteral("El impresor no responde"));
        click(w().btnX);
        QStringList expected = c.epson ? QStringList{QStringLiteral("PortNumber(1)")} : hasarPreamble(1, 1);
        expected << QStringLiteral("CancelAll()") << c.after;
        EXPECT_EQ(calls(), expected);
        EXPECT_TRUE(w().noticesAtEnd().isEmpty());
    }
}

TEST_F(ErrorPath, ASecondOperationDoesNotStartWhileOneRuns) {
    int inner = 0;
    runOperation(w(), [&] { runOperation(w(), [&] { ++inner; }); });
    EXPECT_EQ(inner, 0);
}

}  // namespace

namespace {

// A driver whose X report is where the technician closes the window, as if during its wait.
class ClosingHasar : public RecordingHasar {
public:
    using RecordingHasar::RecordingHasar;
    std::function<void()> duringReport;
    bool aborted = false;
    void PrintXReport() override {
        RecordingHasar::PrintXReport();
        duringReport();
        if (aborted) throw DriverError(8010, QStringLiteral("Operación interrumpida: se cerró la ventana"));
    }
};

TEST(ClosingMidOperation, AbortsTheWaitSendsNothingMoreAndThenCloses) {
    Trace trace;
    ClosingHasar hasar(trace);
    RecordingEpson epson(trace);
    RecordingPrompts prompts(trace);
    FixedClock clock;
    FrmOrbelo window(hasar, epson, prompts, clock);
    wireOperations(window);
    window.setAbortHandler([&] { hasar.aborted = true; });
    window.txtCant->setText(QStringLiteral("3"));
    window.show();
    hasar.duringReport = [&] {
        window.close();
        EXPECT_TRUE(window.isVisible());  // not while the operation unwinds
        EXPECT_EQ(cursorShape(), Qt::WaitCursor);
    };
    QTest::mouseClick(window.btnX, Qt::LeftButton);
    QStringList expected = hasarPreamble(1, 1);
    expected << QStringLiteral("CancelAll()") << QStringLiteral("PrintXReport()")
             << QStringLiteral("Msg(16,\"El sistema detectó el error Nº 8010 ''Operación interrumpida: se cerró la ventana''\")");
    EXPECT_EQ(trace.lines(), expected);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
