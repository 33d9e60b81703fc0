#include "support/window_fixture.h"
#include "support/named_case.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

using DrawerCutter = WindowTest;

const QString kHasarEntry = QStringLiteral("4 - Hasar 950");
const QString kEpsonEntry = QStringLiteral("10 - Epson");

QStringList hasarCuts(int cuts) {
    QStringList lines = hasarPreamble(1, 4);
    lines << QStringLiteral("OpenNonFiscalDocument()");
    for (int i = 0; i < cuts; ++i) lines << QStringLiteral("PrintNonFiscalText(\"Prueba de Cuchilla\")") << QStringLiteral("CutPaper()");
    lines << QStringLiteral("CancelAll()") << QStringLiteral("Finalizar()");
    return lines;
}

QStringList epsonCuts(int cuts) {
    QStringList lines{QStringLiteral("PortNumber(1)"), QStringLiteral("CancelAll()")};
    for (int i = 0; i < cuts; ++i) lines << QStringLiteral("FeedPaper(\"A\",\"20\")") << QStringLiteral("CutPaper()");
    return lines;
}

struct CutCase {
    const char* name;
    const char* count;
    int cuts;
};

void PrintTo(const CutCase& row, std::ostream* out) { *out << row.name; }

class CutterCounts : public DrawerCutter, public ::testing::WithParamInterface<CutCase> {};

TEST_P(CutterCounts, CutsTheWholePartOfTheCountOnBothBrands) {
    type(w().txtCant, QString::fromLatin1(GetParam().count));
    selectModel(kHasarEntry);
    click(w().btnPruebaCuchilla);
    EXPECT_EQ(calls(), hasarCuts(GetParam().cuts));
    trace.clear();
    selectModel(kEpsonEntry);
    click(w().btnPruebaCuchilla);
    EXPECT_EQ(calls(), epsonCuts(GetParam().cuts));
    EXPECT_TRUE(disabledInputs().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(, CutterCounts,
    ::testing::Values(CutCase{"Zero", "0", 0}, CutCase{"Two", "2", 2}, CutCase{"Empty", "", 0},
                      CutCase{"Fraction", "1.9", 1}),
    named_case::testName);

TEST_F(DrawerCutter, TheDrawerOpensOnceWhateverTheCount) {
    type(w().txtCant, QStringLiteral("3"));
    selectModel(kHasarEntry);
    click(w().btnAperturaCajon);
    QStringList hasarLines = hasarPreamble(1, 4);
    hasarLines << QStringLiteral("OpenDrawer()") << QStringLiteral("Finalizar()");
    EXPECT_EQ(calls(), hasarLines);
    trace.clear();
    selectModel(kEpsonEntry);
    click(w().btnAperturaCajon);
    EXPECT_EQ(calls(), QStringList({QStringLiteral("PortNumber(1)"), QStringLiteral("OpenDrawer(\"1\")")}));
}

// One control left disabled beforehand shows whether the operation locked or unlocked the
// window: unlocking would enable it, locking would disable all the others.
TEST_F(DrawerCutter, TheEpsonDrawerLeavesTheControlsAsTheyWere) {
    selectModel(kEpsonEntry);
    w().txtCant->setEnabled(false);
    click(w().btnAperturaCajon);
    EXPECT_EQ(calls(), QStringList({QStringLiteral("PortNumber(1)"), QStringLiteral("OpenDrawer(\"1\")")}));
    EXPECT_EQ(disabledInputs(), QStringList{QStringLiteral("txtCant")});
}

TEST_F(DrawerCutter, AFailedEpsonDrawerEnablesTheControls) {
    selectModel(kEpsonEntry);
    w().txtCant->setEnabled(false);
    trace.failAt(QStringLiteral("OpenDrawer"), 1, 8042, QStringLiteral("El impresor fiscal no responde en COM1"));
    click(w().btnAperturaCajon);
    EXPECT_EQ(calls(), QStringList({QStringLiteral("PortNumber(1)"), QStringLiteral("OpenDrawer(\"1\")"),
                                    QStringLiteral("Msg(16,\"El sistema detectó el error Nº 8042 ''El impresor fiscal no "
                                                   "responde en COM1''\")")}));
    EXPECT_TRUE(disabledInputs().isEmpty());
}

TEST_F(DrawerCutter, TheHasarDrawerLocksTheControlsWhileItRuns) {
    bool lockedDuringCall = false;
    trace.watch([&](const QString& line) {
        if (line == QStringLiteral("OpenDrawer()")) lockedDuringCall = !w().txtCant->isEnabled() && !w().btnX->isEnabled();
    });
    w().txtCant->setEnabled(false);
    click(w().btnAperturaCajon);
    EXPECT_TRUE(lockedDuringCall);
    EXPECT_TRUE(w().txtCant->isEnabled());
}

}  // namespace
