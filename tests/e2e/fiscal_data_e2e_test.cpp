#include "e2e_fixture.h"
#include "support/named_case.h"

#include <QComboBox>
#include <QFile>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

namespace {

// How each brand's roll shows a line the window sent: the Hasar marks a double-width line and
// prints capital Á Í Ó Ú as their plain letters; the Epson has no double width and takes every
// accented letter as its plain one.
struct Roll {
    QString wide;
    bool plainLetters;
};
const Roll kHasarRoll{QStringLiteral("\u2194"), false};
const Roll kEpsonRoll{QString(), true};

QString printed(const QString& text, const Roll& roll) {
    QString out;
    for (QChar c : text) {
        const QString plain = QString(c).normalized(QString::NormalizationForm_D).left(1);
        const bool capital = QStringLiteral("ÁÍÓÚ").contains(c);
        out += roll.plainLetters || capital ? plain : QString(c);
    }
    return out;
}
const QString kRule = QStringLiteral("___________________");

// What the fiscal page shows, label by label.
struct Page {
    QString printerNumber, businessName, cuit, pointOfSale, lastZ, lastA, lastB, lastCreditA, lastCreditB;
};

// The counters and identity the printer's own fiscal memory holds, in the page's formats.
struct Memory {
    QString registration, businessName, cuit;
    int pointOfSale = 0, lastZ = 0;
    qint64 a = 0, b = 0, creditNoteA = 0, creditNoteB = 0;

    static Memory from(const QJsonObject& state) {
        const QJsonObject id = state.value(QStringLiteral("identity")).toObject();
        const QJsonObject last = state.value(QStringLiteral("last_numbers")).toObject();
        return {id.value(QStringLiteral("registration")).toString(),
                id.value(QStringLiteral("business_name")).toString(),
                id.value(QStringLiteral("cuit")).toString(),
                id.value(QStringLiteral("point_of_sale")).toInt(),
                state.value(QStringLiteral("last_z")).toInt(),
                last.value(QStringLiteral("a")).toInteger(),
                last.value(QStringLiteral("b")).toInteger(),
                last.value(QStringLiteral("credit_note_a")).toInteger(),
                last.value(QStringLiteral("credit_note_b")).toInteger()};
    }
};

QString digits(qint64 n, int width) { return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0')); }

// The page that shows this memory, with the CUIT as the brand writes it. A brand whose memory
// keeps no credit-note numbers shows them as zeros.
Page pageOf(const Memory& m, const QString& cuit, bool keepsCreditNotes) {
    const auto creditNote = [&](qint64 n) { return keepsCreditNotes ? digits(n, 8) : QStringLiteral("00000000"); };
    return {m.registration.trimmed(), m.businessName.trimmed(), cuit,
            digits(m.pointOfSale, 4), digits(m.lastZ, 4),      digits(m.a, 8),
            digits(m.b, 8),           creditNote(m.creditNoteA), creditNote(m.creditNoteB)};
}

// The 18 lines the fiscal-data printout must leave on the roll for this page and seal number.
QStringList expectedPrintout(const Page& p, const QString& seal, const Roll& roll) {
    const QString kF4 = roll.wide;
    QStringList lines{kF4 + QStringLiteral("Nro. Impresor:"),
            kF4 + p.printerNumber,
            kRule,
            QStringLiteral("Razon Social:"),
            p.businessName,
            QStringLiteral("C.U.I.T.: ") + p.cuit,
            kRule,
            kF4 + QStringLiteral("Pto. de Venta: ") + p.pointOfSale,
            kRule,
            kF4 + QStringLiteral("Ultima Zeta: ") + p.lastZ,
            kRule,
            QStringLiteral("Ultimo Ticket/Fact. A.....") + p.lastA,
            QStringLiteral("Ultimo Ticket/Fact. B.....") + p.lastB,
            QStringLiteral("Ultima  N. de Cred. A.....") + p.lastCreditA,
            QStringLiteral("Ultima  N. de Cred. B.....") + p.lastCreditB,
            kRule,
            kF4 + QStringLiteral("Nro. Precinto: "),
            kF4 + seal};
    for (QString& line : lines) line = printed(line, roll);
    return lines;
}

void expectSamePage(const Page& shown, const Page& expected) {
    EXPECT_EQ(shown.printerNumber, expected.printerNumber);
    EXPECT_EQ(shown.businessName, expected.businessName);
    EXPECT_EQ(shown.cuit, expected.cuit);
    EXPECT_EQ(shown.pointOfSale, expected.pointOfSale);
    EXPECT_EQ(shown.lastZ, expected.lastZ);
    EXPECT_EQ(shown.lastA, expected.lastA);
    EXPECT_EQ(shown.lastB, expected.lastB);
    EXPECT_EQ(shown.lastCreditA, expected.lastCreditA);
    EXPECT_EQ(shown.lastCreditB, expected.lastCreditB);
}

// The printed lines of each non-fiscal document on the roll, without its title and date lines.
QList<QStringList> nonFiscalDocuments(const QStringList& paper) {
    static const QRegularExpression kOpen(QStringLiteral("^== DOCUMENTO NO FISCAL Nro \\d{8} ==$"));
    QList<QStringList> out;
    bool inside = false;
    for (const QString& line : paper) {
        if (kOpen.match(line).hasMatch()) {
            out.append(QStringList{});
            inside = true;
        } else if (inside && line.startsWith(QStringLiteral("== FIN DOCUMENTO NO FISCAL "))) {
            inside = false;
        } else if (inside && !(out.last().isEmpty() && line.startsWith(QStringLiteral("FECHA ")))) {
            out.last().append(line);
        }
    }
    return out;
}

// The paper holds one non-fiscal document, and it is this printout.
void expectOnePrintout(const QStringList& paper, const QStringList& printout) {
    const QList<QStringList> documents = nonFiscalDocuments(paper);
    ASSERT_EQ(documents.size(), 1) << paper.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(documents[0], printout);
}

// The whole roll, blank lines included (the launcher's paper() drops them).
QStringList roll(VirtualPrinterProcess& printer) {
    printer.stop();
    QFile file(printer.paperFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // after the last newline
    return lines;
}

// The highest number among the roll's titles "== <title> Nro PPPP-NNNNNNNN ==", 0 if none.
qint64 lastPrinted(const QStringList& paper, const QString& title) {
    const QRegularExpression pattern(QStringLiteral("^== %1 Nro \\d{4}-(\\d{8}) ==$").arg(QRegularExpression::escape(title)));
    qint64 last = 0;
    for (const QString& line : paper)
        if (const auto m = pattern.match(line); m.hasMatch()) last = std::max(last, m.captured(1).toLongLong());
    return last;
}

// The roll's highest `title` number and the fiscal memory's last one agree, and are `number`.
void expectLastOnBoth(const QStringList& paper, const QString& title, qint64 inMemory, qint64 number) {
    EXPECT_EQ(lastPrinted(paper, title), number) << title.toStdString();
    EXPECT_EQ(inMemory, number) << title.toStdString();
}

class FiscalDataEndToEnd : public EndToEnd {
protected:
    void onTestsPage() { w().Tab->setCurrentIndex(0); }
    void onFiscalPage() { w().Tab->setCurrentIndex(1); }

    void choose(const QString& model, int portIndex) {
        onTestsPage();
        selectModel(model);
        w().cboPuerto->setCurrentIndex(portIndex);
    }

    // A test document as the technician prints it: count, document button, then Aceptar.
    void printDocuments(QPushButton* kind, int count) {
        onTestsPage();
        w().txtCant->setText(QString::number(count));
        click(kind);
        click(w().btnAceptar);
    }

    void dailyClose() {
        onTestsPage();
        w().txtCant->setText(QStringLiteral("1"));
        click(w().btnZ);
    }

    void query() {
        onFiscalPage();
        click(w().btnTraeInfo);
    }

    void printInformation(const QString& seal) {
        onFiscalPage();
        w().txtPrecinto->clear();
        QTest::keyClicks(w().txtPrecinto, seal);
        click(w().btnImprimir);
    }

    // Reads the printer's data, prints them with this seal number, and expects no message;
    // what the page showed.
    Page queryAndPrint(const QString& seal) {
        query();
        const Page page = shown();
        printInformation(seal);
        expectNoMessages();
        return page;
    }

    Page shown() {
        return {w().lblNroImpresor->text(), w().lblRazSoc->text(),    w().lblCUIT->text(),
                w().lblPtoVta->text(),      w().lblUltimaZ->text(),   w().lblUltimaFacA->text(),
                w().lblUltimaFacB->text(),  w().lblUltimaNCA->text(), w().lblUltimaNCB->text()};
    }

    void expectNoMessages() { EXPECT_TRUE(trace.lines().isEmpty()) << trace.lines().join(QLatin1Char('\n')).toStdString(); }
};

// A number the roll's titles and the fiscal memory must both end at.
struct Last {
    const char* title;
    qint64 Memory::*inMemory;
    qint64 number;
};

struct BrandCase {
    const char* name;
    QStringList printerArguments;
    QString model;
    int port;
    bool hasar;  // the printer on COM1; else the Epson on COM2, and the Hasar is never addressed
    // Distinct counters, so that a field read from the wrong place cannot pass.
    QList<QPair<QPushButton* FrmOrbelo::*, int>> documents;
    QList<Last> lasts;
    bool keepsCreditNotes;
    const char* seal;
};

class FiscalDataOfEachBrand : public FiscalDataEndToEnd, public ::testing::WithParamInterface<BrandCase> {};

TEST_P(FiscalDataOfEachBrand, ShowsItsFiscalMemoryAndPrintsItOnTheRoll) {
    const BrandCase& c = GetParam();
    start(c.printerArguments);
    choose(c.model, c.port);
    for (const auto& [button, count] : c.documents) printDocuments(w().*button, count);
    dailyClose();
    const Page page = queryAndPrint(QString::fromLatin1(c.seal));

    VirtualPrinterProcess& printer = c.hasar ? *hasarPrinter : *epsonPrinter;
    const QStringList paper = roll(printer);
    const Memory m = Memory::from(printer.state());
    // The roll and the fiscal memory agree on what was printed...
    for (const Last& last : c.lasts) expectLastOnBoth(paper, QString::fromLatin1(last.title), m.*last.inMemory, last.number);
    EXPECT_EQ(m.lastZ, 1);
    // ...and the page shows exactly that memory, the Epson's CUIT with its dashes.
    const QString cuit = c.hasar ? m.cuit
                                 : m.cuit.left(2) + QLatin1Char('-') + m.cuit.mid(2, 8) + QLatin1Char('-') + m.cuit.mid(10, 1);
    const Page expected = pageOf(m, cuit, c.keepsCreditNotes);
    expectSamePage(page, expected);

    expectOnePrintout(paper, expectedPrintout(expected, QString::fromLatin1(c.seal), c.hasar ? kHasarRoll : kEpsonRoll));
    if (!c.hasar) {
        EXPECT_TRUE(roll(*hasarPrinter).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    , FiscalDataOfEachBrand,
    ::testing::Values(
        BrandCase{"HasarP320", {QStringLiteral("--model"), QStringLiteral("8")}, kP320, 0, true,
                  {{&FrmOrbelo::btnFacA, 2}, {&FrmOrbelo::btnNCA, 1}, {&FrmOrbelo::btnFacB, 3}, {&FrmOrbelo::btnNCB, 4}},
                  {{"FACTURA A", &Memory::a, 2}, {"NOTA DE CREDITO A", &Memory::creditNoteA, 1},
                   {"FACTURA B", &Memory::b, 3}, {"NOTA DE CREDITO B", &Memory::creditNoteB, 4}},
                  true, "0047115"},
        BrandCase{"Epson", {}, kEpson, 1, false,
                  {{&FrmOrbelo::btnFacA, 3}, {&FrmOrbelo::btnFacB, 1}, {&FrmOrbelo::btnFacB, 1}},
                  {{"FACTURA A", &Memory::a, 3}, {"TIQUE", &Memory::b, 2}},
                  false, "815"}),
    named_case::testName);

// A P320 not initialised, or with its fiscal module closed, shows fixed texts for what it lacks;
// the rest of the page still comes from its memory.
struct FixedTextCase {
    const char* name;
    const char* state;  // the virtual printer's option
    const char* seal;
    void (*fixed)(Page& page);
};

class HasarFixedTexts : public FiscalDataEndToEnd, public ::testing::WithParamInterface<FixedTextCase> {};

TEST_P(HasarFixedTexts, AreShownAndPrintedInItsCodePage) {
    const FixedTextCase& c = GetParam();
    start({QString::fromLatin1(c.state), QStringLiteral("--model"), QStringLiteral("8")});
    choose(kP320, 0);
    const Page page = queryAndPrint(QString::fromLatin1(c.seal));

    const Memory m = Memory::from(hasarPrinter->state());
    Page expected = pageOf(m, m.cuit, true);
    c.fixed(expected);
    expectSamePage(page, expected);
    // "Ó" has no code in the printer's set and is printed as its plain letter.
    expectOnePrintout(roll(*hasarPrinter), expectedPrintout(page, QString::fromLatin1(c.seal), kHasarRoll));
}

INSTANTIATE_TEST_SUITE_P(
    States, HasarFixedTexts,
    ::testing::Values(FixedTextCase{"NotInitialised", "--not-initialised", "12",
                                    [](Page& p) {
                                        p.businessName = QStringLiteral("Impresor No Inicializado");
                                        p.cuit = QStringLiteral("00-00000000-0");
                                        p.pointOfSale = QStringLiteral("0000");
                                        p.printerNumber.clear();
                                    }},
                      FixedTextCase{"ModuleClosed", "--module-closed", "7",
                                    [](Page& p) {
                                        p.pointOfSale = QStringLiteral("MÓDULO CERRADO");
                                        p.lastZ = QStringLiteral("----");
                                    }}),
    named_case::testName);

TEST_F(FiscalDataEndToEnd, HasarNotInitialisedIssuesInTrainingModeAndItsPageStaysTheSame) {
    start({QStringLiteral("--not-initialised")});
    choose(QStringLiteral("2 - Hasar 615"), 0);
    query();
    const Page before = shown();
    printDocuments(w().btnFacA, 2);
    dailyClose();
    expectNoMessages();
    query();
    expectSamePage(shown(), before);
    EXPECT_EQ(before.businessName, QStringLiteral("Impresor No Inicializado"));

    // Both invoices and the Z are printed as training, and no number moved.
    const QStringList paper = roll(*hasarPrinter);
    EXPECT_EQ(paper.filter(QStringLiteral("== FACTURA A Nro 0001-00000001 ==")).size(), 2) << paper.join('\n').toStdString();
    EXPECT_EQ(paper.filter(QStringLiteral("== INFORME Z Nro 0001 ==")).size(), 1) << paper.join('\n').toStdString();
    EXPECT_EQ(paper.filter(QStringLiteral("MODO ENTRENAMIENTO")).size(), 3) << paper.join('\n').toStdString();
    EXPECT_TRUE(paper.contains(QStringLiteral("SIN REGISTRO EN MEMORIA FISCAL")));
    const Memory m = Memory::from(hasarPrinter->state());
    EXPECT_EQ(m.a, 0);
    EXPECT_EQ(m.b, 0);
    EXPECT_EQ(m.lastZ, 0);
}

TEST_F(FiscalDataEndToEnd, HasarTicketModelPrintsItsAccentedFixedTextsInItsOwnCodePage) {
    start({QStringLiteral("--not-initialised"), QStringLiteral("--module-closed"), QStringLiteral("--model"),
           QStringLiteral("6")});
    choose(QStringLiteral("6 - Hasar 262/272"), 0);
    const Page page = queryAndPrint(QStringLiteral("5"));

    EXPECT_EQ(page.businessName, QStringLiteral("Este modelo no muestra datos de inicialización"));
    EXPECT_EQ(page.pointOfSale, QStringLiteral("MÓDULO CERRADO"));
    const QList<QStringList> documents = nonFiscalDocuments(roll(*hasarPrinter));
    ASSERT_EQ(documents.size(), 1);
    // "ó" went as 0xA2 (Latin-1's 0xF3 is refused there); "Ó" has no code and went as "O". The
    // 40 columns of the ticket cut the first line just before the "ó".
    EXPECT_TRUE(documents[0].contains(QStringLiteral("Este modelo no muestra datos de iniciali")))
        << documents[0].join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(documents[0].contains(QStringLiteral("\u2194Pto. de Venta: MODULO CERRADO")))
        << documents[0].join(QLatin1Char('\n')).toStdString();
}

TEST_F(FiscalDataEndToEnd, EpsonRefusingTheTaxpayerRequestKeepsThoseLabelsFromThePreviousPrinter) {
    start({QStringLiteral("--model"), QStringLiteral("8")});
    // A second Epson printer, never initialised, on COM3: it refuses the "C" request.
    VirtualPrinterProcess blank(QStringLiteral("epson"), {QStringLiteral("--not-initialised")});
    ASSERT_TRUE(plugIn(blank, 3));
    choose(kP320, 0);
    printDocuments(w().btnFacA, 2);
    query();
    const Page hasar = shown();
    choose(kEpson, 2);
    query();
    const Page epson = shown();
    qunsetenv("ORBELO_COM3");
    expectNoMessages();

    const Memory m = Memory::from(blank.state());
    EXPECT_EQ(epson.printerNumber, m.registration.trimmed());
    EXPECT_EQ(epson.lastA, digits(m.a, 8));
    EXPECT_NE(epson.lastA, hasar.lastA);
    EXPECT_EQ(epson.lastZ, digits(m.lastZ, 4));
    EXPECT_EQ(epson.lastCreditA, QStringLiteral("00000000"));
    EXPECT_EQ(epson.lastCreditB, QStringLiteral("00000000"));
    EXPECT_EQ(epson.businessName, hasar.businessName);
    EXPECT_EQ(epson.cuit, hasar.cuit);
    EXPECT_EQ(epson.pointOfSale, hasar.pointOfSale);
}

TEST_F(FiscalDataEndToEnd, HasarLineCutDuringTheQueryShowsTheErrorAndKeepsWhatWasRead) {
    // The first status request is the driver's synchronisation at BeginSession; the second is QueryStatus.
    start({QStringLiteral("--model"), QStringLiteral("8"), QStringLiteral("--fault"), QStringLiteral("disconnect,cmd=2A,after=1")});
    choose(kP320, 0);
    onFiscalPage();
    w().lblUltimaFacA->setText(QStringLiteral("antes"));
    query();
    const Page page = shown();
    ASSERT_EQ(trace.lines().size(), 1);
    EXPECT_TRUE(trace.lines()[0].contains(QStringLiteral("El sistema detectó el error Nº ")) &&
                trace.lines()[0].contains(QStringLiteral("COM1")))
        << trace.lines()[0].toStdString();
    const Memory m = Memory::from(hasarPrinter->state());
    EXPECT_EQ(page.businessName, m.businessName.trimmed());
    EXPECT_EQ(page.lastZ, digits(m.lastZ, 4));
    EXPECT_EQ(page.lastA, QStringLiteral("antes"));
    EXPECT_TRUE(w().btnTraeInfo->isEnabled());
}

TEST_F(FiscalDataEndToEnd, PrintingBeforeAnyQuerySendsAllLinesOnBothBrands) {
    start({QStringLiteral("--model"), QStringLiteral("8")});
    choose(kP320, 0);
    printInformation(QString());
    choose(kEpson, 1);
    printInformation(QString());
    expectNoMessages();

    for (const auto& [printer, look] : {std::pair{hasarPrinter.get(), kHasarRoll}, std::pair{epsonPrinter.get(), kEpsonRoll}}) {
        expectOnePrintout(roll(*printer), expectedPrintout(Page{}, QString(), look));
    }
}

TEST_F(FiscalDataEndToEnd, LinesWhoseReplyWasLostOrDamagedArePrintedOnceOnBothBrands) {
    const QStringList faults{QStringLiteral("--fault"), QStringLiteral("drop-reply,cmd=49,after=5"),
                             QStringLiteral("--fault"), QStringLiteral("corrupt-reply,cmd=49,after=10")};
    start(QStringList{QStringLiteral("--model"), QStringLiteral("8")} + faults);
    VirtualPrinterProcess epson(QStringLiteral("epson"), faults);
    ASSERT_TRUE(plugIn(epson, 3));
    choose(kP320, 0);
    query();
    printInformation(QStringLiteral("31"));
    const Page hasarPage = shown();
    choose(kEpson, 2);
    query();
    printInformation(QStringLiteral("32"));
    const Page epsonPage = shown();
    qunsetenv("ORBELO_COM3");
    expectNoMessages();

    expectOnePrintout(roll(*hasarPrinter), expectedPrintout(hasarPage, QStringLiteral("31"), kHasarRoll));
    expectOnePrintout(roll(epson), expectedPrintout(epsonPage, QStringLiteral("32"), kEpsonRoll));
}

}  // namespace
