#include "support/window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using FiscalPrintout = WindowTest;

const QString F4(QChar(0xF4));

struct PageValues {
    QString nroImpresor, razSoc, cuit, ptoVta, ultimaZ, facA, facB, ncA, ncB, precinto;
};

void show(FrmOrbelo& w, const PageValues& v) {
    w.lblNroImpresor->setText(v.nroImpresor);
    w.lblRazSoc->setText(v.razSoc);
    w.lblCUIT->setText(v.cuit);
    w.lblPtoVta->setText(v.ptoVta);
    w.lblUltimaZ->setText(v.ultimaZ);
    w.lblUltimaFacA->setText(v.facA);
    w.lblUltimaFacB->setText(v.facB);
    w.lblUltimaNCA->setText(v.ncA);
    w.lblUltimaNCB->setText(v.ncB);
    w.txtPrecinto->setText(v.precinto);
}

// The trace lines of the 18 printed lines; the seal number is given as it should print.
QStringList printedLines(const PageValues& v) {
    const QStringList lines{F4 + "Nro. Impresor:",
                            F4 + v.nroImpresor,
                            "___________________",
                            "Razon Social:",
                            v.razSoc,
                            "C.U.I.T.: " + v.cuit,
                            "___________________",
                            F4 + "Pto. de Venta: " + v.ptoVta,
                            "___________________",
                            F4 + "Ultima Zeta: " + v.ultimaZ,
                            "___________________",
                            "Ultimo Ticket/Fact. A....." + v.facA,
                            "Ultimo Ticket/Fact. B....." + v.facB,
                            "Ultima  N. de Cred. A....." + v.ncA,
                            "Ultima  N. de Cred. B....." + v.ncB,
                            "___________________",
                            F4 + "Nro. Precinto: ",
                            F4 + v.precinto};
    QStringList calls;
    for (const QString& line : lines) calls << QStringLiteral("PrintNonFiscalText(%1)").arg(arg::q(line));
    return calls;
}

QStringList hasarDocument(const QStringList& lines) {
    return QStringList{"ComPort(1)", "BeginSession()", "OpenNonFiscalDocument()"} + lines +
           QStringList{"CloseNonFiscalDocument()", "Finalizar()"};
}

QStringList epsonDocument(const QStringList& lines) {
    return QStringList{"PortNumber(1)", "OpenNonFiscalDocument()"} + lines + QStringList{"CloseNonFiscalDocument()"};
}

const PageValues kQueried{" AB12345678 ", " Kiosco  El Sol ", "30-12345678-9", "0007", "0123",
                          "123456789", "00000000", "00000012", "00000123", "  4711 "};

TEST_F(FiscalPrintout, BothBrandsPrintTheSameEighteenLinesOfWhatThePageShows) {
    show(w(), kQueried);
    PageValues printed = kQueried;
    printed.precinto = "4711";  // only the seal number is trimmed

    selectModel(QStringLiteral("9 - Hasar 715/PR5"));
    click(w().btnImprimir);
    EXPECT_EQ(calls(), hasarDocument(printedLines(printed)));

    trace.clear();
    selectModel(QStringLiteral("10 - Epson"));
    click(w().btnImprimir);
    EXPECT_EQ(calls(), epsonDocument(printedLines(printed)));
    EXPECT_TRUE(disabledInputs().isEmpty());
}

TEST_F(FiscalPrintout, BeforeAnyQueryAllLinesPrintWithEmptyValues) {
    click(w().btnImprimir);
    PageValues empty;
    empty.precinto = "1";  // the seal-number box starts with 1
    EXPECT_EQ(calls(), hasarDocument(printedLines(empty)));
    EXPECT_EQ(calls().at(4), "PrintNonFiscalText(\"\xC3\xB4\")");  // F4 alone, not the letters
}

TEST_F(FiscalPrintout, ABlankSealNumberLeavesTheF4Alone) {
    for (const char* seal : {"", "    "}) {
        trace.clear();
        type(w().txtPrecinto, QString::fromLatin1(seal));
        click(w().btnImprimir);
        EXPECT_EQ(calls().at(calls().size() - 3), QStringLiteral("PrintNonFiscalText(%1)").arg(arg::q(F4))) << '"' << seal << '"';
    }
}

TEST_F(FiscalPrintout, PlaceholderTextsOfTheQueryPrintAsTheyStand) {
    hasar.answer(QStringLiteral("QueryInitData"), {{0, QStringLiteral("1")}});
    hasar.answer(QStringLiteral("QueryDailyStatus"), {{0, QStringLiteral("1")}});
    selectModel(QStringLiteral("2 - Hasar 615"));
    click(w().btnTraeInfo);
    trace.clear();
    click(w().btnImprimir);
    const PageValues placeholders{"", "Impresor No Inicializado", "00-00000000-0", "MÓDULO CERRADO", "----",
                                  "00000000", "00000000", "00000000", "00000000", "1"};
    EXPECT_EQ(calls(), hasarDocument(printedLines(placeholders)));
}

TEST_F(FiscalPrintout, EachValueIsReadRightBeforeItsLineIsSent) {
    show(w(), kQueried);
    trace.watch([&](const QString& line) {
        if (line == QStringLiteral("PrintNonFiscalText(\"Razon Social:\")")) w().lblRazSoc->setText(QStringLiteral("cambiado"));
    });
    click(w().btnImprimir);
    EXPECT_EQ(calls().at(7), QStringLiteral("PrintNonFiscalText(\"cambiado\")"));
}

TEST_F(FiscalPrintout, AFailureMidDocumentLeavesItOpenOnBothBrands) {
    show(w(), kQueried);
    const QString error = QStringLiteral("Msg(16,\"El sistema detectó el error Nº 8042 ''El impresor fiscal no responde en COM1''\")");
    const QStringList firstFive = printedLines(kQueried).mid(0, 5);

    trace.failAt(QStringLiteral("PrintNonFiscalText"), 5, 8042, QStringLiteral("El impresor fiscal no responde en COM1"));
    click(w().btnImprimir);
    EXPECT_EQ(calls(), QStringList({"ComPort(1)", "BeginSession()", "OpenNonFiscalDocument()"}) + firstFive + QStringList{error});
    EXPECT_TRUE(disabledInputs().isEmpty());

    trace.clear();
    selectModel(QStringLiteral("10 - Epson"));
    trace.failAt(QStringLiteral("PrintNonFiscalText"), 5, 8042, QStringLiteral("El impresor fiscal no responde en COM1"));
    click(w().btnImprimir);
    EXPECT_EQ(calls(), QStringList({"PortNumber(1)", "OpenNonFiscalDocument()"}) + firstFive + QStringList{error});
    EXPECT_TRUE(disabledInputs().isEmpty());
}

}  // namespace
