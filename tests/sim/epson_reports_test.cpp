// Reports, status requests, devices and the clock on the virtual Epson printer, driven by the
// real driver.

#include "epson_printer_fixture.h"

#include <QRegularExpression>

namespace {

using EpsonReports = VirtualEpsonTest;

void sellTicket(EpsonPrinter& p) {
    p.OpenTicket();
    p.TicketItem({"Item de Prueba", "1000", "150", "2100", "M", "0", "0"});
    p.CloseTicket();
}

TEST_F(EpsonReports, XReportsCountWithoutClosingTheDay) {
    sellTicket(driver);
    driver.DailyReport("X", "P");
    driver.DailyReport("X", "P");
    EXPECT_EQ(memory().lastX, 2);
    EXPECT_EQ(memory().lastZ, 0);
    EXPECT_EQ(memory().day.fiscal, 1);
    EXPECT_TRUE(titles().contains(QStringLiteral("== INFORME X Nro 0002 ==")));
}

TEST_F(EpsonReports, ZClosesTheDayIntoTheFiscalMemory) {
    sellTicket(driver);
    driver.DailyReport("Z", "P");
    const QStringList paper = newPaper();
    EXPECT_TRUE(paper.contains(QStringLiteral("== INFORME Z Nro 0001 ==")));
    EXPECT_TRUE(paper.contains(QStringLiteral("VENTAS 1.50")));
    EXPECT_EQ(memory().lastZ, 1);
    ASSERT_EQ(memory().zRecords.size(), 1);
    EXPECT_EQ(memory().zRecords[0].totals.fiscal, 1);
    EXPECT_EQ(memory().day, sim::DayTotals{});
}

TEST_F(EpsonReports, ZWithADocumentOpenIsRefused) {
    driver.OpenNonFiscalDocument();
    EXPECT_EQ(errorOf([&] { driver.DailyReport("Z", "P"); }), error_number::kPrinterRefused);
    EXPECT_EQ(memory().lastZ, 0);
}

TEST_F(EpsonReports, TheWindowsGlobalReportCoversTheZRecordsInItsRange) {
    for (int day = 0; day < 3; ++day) {
        sellTicket(driver);
        driver.DailyReport("Z", "P");
    }
    newPaper();
    driver.GlobalReport("T", "N", "1", "2");
    const QStringList paper = newPaper();
    EXPECT_TRUE(paper.contains(QStringLiteral("== INFORME GLOBAL POR NUMERO Z 0001-0002 =="))) << paper.join('\n').toStdString();
    EXPECT_TRUE(paper.contains(QStringLiteral("CIERRES Z 2 DESDE 0001 HASTA 0002")));
    EXPECT_TRUE(paper.contains(QStringLiteral("VENTAS 3.00")));
}

TEST_F(EpsonReports, AGlobalReportByDateListsEachDay) {
    sellTicket(driver);
    driver.DailyReport("Z", "P");
    newPaper();
    driver.GlobalReport("D", "F", "970101", "261231");
    const QStringList paper = newPaper();
    ASSERT_EQ(paper.filter(QRegularExpression(QStringLiteral("^Z 0001 "))).size(), 1) << paper.join('\n').toStdString();
}

// --- Status requests: the fields the window reads ------------------------------------------

TEST_F(EpsonReports, StatusAShowsTheRealCounters) {
    driver.OpenTicketInvoice({"T", "C", "A", "1", "P", "10", "I", "I", "CLIENTE DE PRUEBA", "", "CUIT", "99999999995",
                              "N", "Direccion", "", "", "", "", "C"});
    driver.CloseTicketInvoice("T", "A", "");
    sellTicket(driver);
    sellTicket(driver);
    driver.DailyReport("Z", "P");
    ASSERT_TRUE(driver.StatusRequest("A"));
    EXPECT_EQ(driver.Answer0E(), QStringLiteral("00000001"));
    EXPECT_EQ(driver.Answer10(), QStringLiteral("00000002"));
    EXPECT_EQ(driver.Answer11(), QStringLiteral("00001"));
}

TEST_F(EpsonReports, StatusNAndCShowThePrinterAndTheTaxpayer) {
    memory().identity.registration = QStringLiteral("EPV0001234");
    memory().identity.pointOfSale = 7;
    ASSERT_TRUE(driver.StatusRequest("N"));
    EXPECT_EQ(driver.Answer0B(), QStringLiteral("EPV0001234"));
    ASSERT_TRUE(driver.StatusRequest("C"));
    EXPECT_EQ(driver.Answer0B(), memory().identity.businessName);
    EXPECT_EQ(driver.Answer11(), memory().identity.cuit);
    EXPECT_EQ(driver.Answer10(), QStringLiteral("0007"));
}

TEST_F(EpsonReports, AnUnknownStatusLetterIsRefusedAndKeepsTheLastAnswer) {
    ASSERT_TRUE(driver.StatusRequest("C"));
    EXPECT_FALSE(driver.StatusRequest("Q"));
    EXPECT_EQ(driver.Answer11(), memory().identity.cuit);
}

TEST_F(EpsonReports, ANotInitialisedPrinterHasNoTaxpayerToShow) {
    memory().initialised = false;
    EXPECT_FALSE(driver.StatusRequest("C"));
    EXPECT_TRUE(driver.StatusRequest("A"));
}

// --- Devices and the clock -----------------------------------------------------------------

TEST_F(EpsonReports, TheCutterTestFeedsAndCutsEachTime) {
    driver.TicketPayment("", "0", "C");
    for (int i = 0; i < 2; ++i) {
        driver.FeedPaper("A", "20");
        driver.CutPaper();
    }
    const QStringList paper = newPaper();
    EXPECT_EQ(paper.size(), 2 * 21);
    EXPECT_EQ(paper.filter(QStringLiteral("-- CORTE --")).size(), 2);
    EXPECT_EQ(memory().cuts, 2);
}

TEST_F(EpsonReports, TheDrawerCountsItsOpenings) {
    driver.OpenDrawer("1");
    driver.OpenDrawer("1");
    EXPECT_EQ(memory().drawerOpenings, 2);
    EXPECT_EQ(newPaper().filter(QStringLiteral("-- CAJON ABIERTO --")).size(), 2);
}

TEST_F(EpsonReports, AFeedOfNoLinesOrOfTextIsRefused) {
    EXPECT_EQ(errorOf([&] { driver.FeedPaper("A", "0"); }), error_number::kPrinterRefused);
    EXPECT_EQ(errorOf([&] { driver.FeedPaper("T", "2x"); }), error_number::kPrinterRefused);
    EXPECT_EQ(errorOf([&] { driver.FeedPaper("A", "100"); }), error_number::kPrinterRefused);
    EXPECT_TRUE(newPaper().isEmpty());
}

TEST_F(EpsonReports, TheClockIsSetOnAFreshDayAndReadBack) {
    QString date = QStringLiteral("261208"), time = QStringLiteral("101500");
    driver.SetDateTime("S", date, time);
    // The change is a document of its own, with the time before and after it.
    const QStringList printed = newPaper();
    ASSERT_EQ(printed.size(), 4) << printed.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(printed[0], QStringLiteral("== CAMBIO DE FECHA Y HORA =="));
    EXPECT_TRUE(printed[1].startsWith(QStringLiteral("ANTERIOR FECHA ")));
    EXPECT_TRUE(printed[2].startsWith(QStringLiteral("NUEVA FECHA 08/12/26 HORA 10:15:"))) << printed[2].toStdString();
    QString readDate, readTime;
    driver.SetDateTime("G", readDate, readTime);
    EXPECT_EQ(readDate, QStringLiteral("261208"));
    EXPECT_EQ(readTime.left(4), QStringLiteral("1015"));
}

TEST_F(EpsonReports, TheClockStaysWhileTheDayHasDocuments) {
    sellTicket(driver);
    QString date = QStringLiteral("261208"), time = QStringLiteral("101500");
    newPaper();
    EXPECT_EQ(errorOf([&] { driver.SetDateTime("S", date, time); }), error_number::kPrinterRefused);
    EXPECT_TRUE(newPaper().isEmpty());
    driver.DailyReport("Z", "P");
    driver.SetDateTime("S", date, time);
}

}  // namespace
