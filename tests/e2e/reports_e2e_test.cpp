#include "e2e_fixture.h"

#include <QComboBox>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>

namespace {

using ReportsEndToEnd = EndToEnd;

TEST_F(ReportsEndToEnd, HasarPrintsTwoXThenAZAndTheZCounterAdvancesInTheFiscalMemory) {
    start();
    selectModel(kP320);
    w().txtCant->setText(QStringLiteral("2"));
    click(w().btnX);
    w().txtCant->setText(QStringLiteral("1"));
    click(w().btnZ);
    EXPECT_TRUE(trace.lines().isEmpty()) << trace.lines().join(QLatin1Char('\n')).toStdString();

    const QStringList printed = titles(hasarPrinter->paper());
    ASSERT_EQ(printed.size(), 3) << printed.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(printed[0].startsWith(QStringLiteral("== INFORME X ")));
    EXPECT_TRUE(printed[1].startsWith(QStringLiteral("== INFORME X ")));
    EXPECT_EQ(printed[2], QStringLiteral("== INFORME Z Nro 0001 =="));
    EXPECT_EQ(hasarPrinter->state().value(QStringLiteral("last_z")).toInt(), 1);
}

TEST_F(ReportsEndToEnd, HasarGlobalReportGoesByZNumberOnAnOpenFiscalModule) {
    start();
    click(w().btnZ);
    click(w().btnRepGlobal);
    EXPECT_TRUE(trace.lines().isEmpty()) << trace.lines().join(QLatin1Char('\n')).toStdString();
    const QStringList printed = titles(hasarPrinter->paper());
    ASSERT_EQ(printed.size(), 2);
    EXPECT_TRUE(printed[1].startsWith(QStringLiteral("== INFORME GLOBAL POR NUMERO Z 0001-"))) << printed[1].toStdString();
}

TEST_F(ReportsEndToEnd, HasarGlobalReportGoesByDateWhenTheDailyStatusHasNoAnswer) {
    start({QStringLiteral("--module-closed")});
    click(w().btnRepGlobal);
    const QStringList printed = titles(hasarPrinter->paper());
    ASSERT_EQ(printed.size(), 1) << trace.lines().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(printed[0].startsWith(QStringLiteral("== INFORME GLOBAL POR FECHA 01/01/97-%1")
                                          .arg(clock.now().toString(QStringLiteral("dd/MM/yy")))))
        << printed[0].toStdString();
}

TEST_F(ReportsEndToEnd, EpsonCancelsAnOpenTicketBeforeXAndZButNotBeforeTheGlobalReport) {
    start();
    selectModel(kEpson);
    w().cboPuerto->setCurrentIndex(1);
    click(w().btnX);
    click(w().btnZ);
    click(w().btnRepGlobal);
    EXPECT_TRUE(trace.lines().isEmpty()) << trace.lines().join(QLatin1Char('\n')).toStdString();
    const QStringList printed = titles(epsonPrinter->paper());
    ASSERT_EQ(printed.size(), 3) << printed.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(printed[0].startsWith(QStringLiteral("== INFORME X ")));
    EXPECT_EQ(printed[1], QStringLiteral("== INFORME Z Nro 0001 =="));
    EXPECT_TRUE(printed[2].startsWith(QStringLiteral("== INFORME GLOBAL ")));
    EXPECT_EQ(epsonPrinter->state().value(QStringLiteral("last_z")).toInt(), 1);
}

}  // namespace
