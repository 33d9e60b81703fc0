#include "support/window_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using Reports = WindowTest;

QStringList hasarReports(int model, const QString& report, int times) {
    QStringList lines = hasarPreamble(1, model);
    lines << QStringLiteral("CancelAll()");
    for (int i = 0; i < times; ++i) lines << report;
    lines << QStringLiteral("Finalizar()");
    return lines;
}

QStringList epsonReports(const QString& kind, int times) {
    QStringList lines{QStringLiteral("PortNumber(1)"), QStringLiteral("CancelAll()")};
    for (int i = 0; i < times; ++i) lines << QStringLiteral("DailyReport(\"%1\",\"P\")").arg(kind);
    return lines;
}

struct CountCase {
    const char* count;
    int reports;
};

class ReportCounts : public Reports, public ::testing::WithParamInterface<CountCase> {};

TEST_P(ReportCounts, XAndZPrintTheWholePartOfTheCountOnBothBrands) {
    const CountCase c = GetParam();
    type(w().txtCant, QString::fromLatin1(c.count));
    selectModel(QStringLiteral("7 - Hasar PJ20"));
    click(w().btnX);
    EXPECT_EQ(calls(), hasarReports(7, QStringLiteral("PrintXReport()"), c.reports));
    trace.clear();
    click(w().btnZ);
    EXPECT_EQ(calls(), hasarReports(7, QStringLiteral("PrintZReport()"), c.reports));
    trace.clear();
    selectModel(QStringLiteral("10 - Epson"));
    click(w().btnX);
    EXPECT_EQ(calls(), epsonReports(QStringLiteral("X"), c.reports));
    trace.clear();
    click(w().btnZ);
    EXPECT_EQ(calls(), epsonReports(QStringLiteral("Z"), c.reports));
    EXPECT_TRUE(disabledInputs().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Counts, ReportCounts,
                         ::testing::Values(CountCase{"1", 1}, CountCase{"3", 3}, CountCase{"0", 0}, CountCase{"", 0},
                                           CountCase{"2.9", 2}, CountCase{"2,7", 2}, CountCase{".", 0}),
                         [](const auto& info) { return "row" + std::to_string(info.index) + "_prints_" + std::to_string(info.param.reports); });

TEST_F(Reports, EveryHasarEntryWritesItsOwnModelNumber) {
    for (int model = 1; model <= 9; ++model) {
        trace.clear();
        w().cboListaImp->setCurrentIndex(model - 1);
        click(w().btnX);
        EXPECT_EQ(calls(), hasarReports(model, QStringLiteral("PrintXReport()"), 1));
    }
}

TEST_F(Reports, TheControlsAreLockedWhileTheReportsPrint) {
    QStringList seenDisabled;
    trace.clear();
    hasar.answer(QStringLiteral("QueryDailyStatus"), {});
    trace.watch([&](const QString& line) {
        if (line == QStringLiteral("PrintXReport()")) seenDisabled << (w().btnZ->isEnabled() ? "enabled" : "disabled");
    });
    click(w().btnX);
    EXPECT_EQ(seenDisabled, QStringList{"disabled"});
    EXPECT_TRUE(w().btnZ->isEnabled());
}

TEST_F(Reports, ADriverFailureOnTheSecondOfThreeReportsLeavesOnePrinted) {
    type(w().txtCant, QStringLiteral("3"));
    trace.failAt(QStringLiteral("PrintZReport"), 2, 8042, QStringLiteral("El impresor fiscal no responde en COM1"));
    click(w().btnZ);
    QStringList expected = hasarPreamble(1, 1);
    expected << QStringLiteral("CancelAll()") << QStringLiteral("PrintZReport()") << QStringLiteral("PrintZReport()")
             << QStringLiteral("Msg(16,\"El sistema detectó el error Nº 8042 ''El impresor fiscal no responde en COM1''\")");
    EXPECT_EQ(calls(), expected);
    EXPECT_TRUE(disabledInputs().isEmpty());
}

QStringList globalStart(int model) {
    QStringList lines = hasarPreamble(1, model);
    lines << QStringLiteral("CancelAll()") << QStringLiteral("QueryDailyStatus()") << QStringLiteral("Respuesta(0)");
    return lines;
}

TEST_F(Reports, GlobalReportGoesByDateWhenFieldZeroIsShorterThanTen) {
    hasar.answer(QStringLiteral("QueryDailyStatus"), {{0, QStringLiteral("123456789")}, {3, QStringLiteral("0012")}});
    clock.set(QDateTime(QDate(2026, 12, 8), QTime(23, 59, 59)));
    click(w().btnRepGlobal);
    QStringList expected = globalStart(1);
    expected << QStringLiteral("GlobalReportByDate(1997-01-01,2026-12-08,true)") << QStringLiteral("Finalizar()");
    EXPECT_EQ(calls(), expected);
}

TEST_F(Reports, GlobalReportGoesByZNumberWhenFieldZeroHasTenCharacters) {
    hasar.answer(QStringLiteral("QueryDailyStatus"), {{0, QStringLiteral("1234567890")}, {3, QStringLiteral("0012")}});
    type(w().txtCant, QStringLiteral("5"));  // the global report ignores the count
    click(w().btnRepGlobal);
    QStringList expected = globalStart(1);
    expected << QStringLiteral("Respuesta(3)") << QStringLiteral("GlobalReportByNumber(1,12,true)") << QStringLiteral("Finalizar()");
    EXPECT_EQ(calls(), expected);
}

TEST_F(Reports, AGlobalReportWhoseFieldThreeIsNoNumberEndsInTheErrorPathBeforePrinting) {
    for (const char* field3 : {"", "12a"}) {
        trace.clear();
        hasar.answer(QStringLiteral("QueryDailyStatus"), {{0, QStringLiteral("1234567890")}, {3, QString::fromLatin1(field3)}});
        click(w().btnRepGlobal);
        QStringList expected = globalStart(1);
        expected << QStringLiteral("Respuesta(3)") << QStringLiteral("Msg(16,\"El sistema detectó el error Nº 13 ''Type mismatch''\")");
        EXPECT_EQ(calls(), expected) << field3;
    }
}

TEST_F(Reports, EpsonGlobalReportIsOneCallWithoutCancelWhateverTheCount) {
    selectModel(QStringLiteral("10 - Epson"));
    for (const char* count : {"0", "3"}) {
        trace.clear();
        type(w().txtCant, QString::fromLatin1(count));
        click(w().btnRepGlobal);
        EXPECT_EQ(calls(), QStringList({QStringLiteral("PortNumber(1)"), QStringLiteral("GlobalReport(\"T\",\"N\",\"1\",\"2\")")}));
    }
}

}  // namespace
