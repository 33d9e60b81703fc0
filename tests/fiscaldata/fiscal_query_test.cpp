#include "support/window_fixture.h"
#include "support/named_case.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

using FiscalQuery = WindowTest;

QString respuesta(int field) { return QStringLiteral("Respuesta(%1)").arg(field); }

const QString kTenChars = QStringLiteral("0080000000");
const QString kNineChars = QStringLiteral("008000000");

// Every value label, in page order, as a list a failure prints readably.
QStringList shown(FrmOrbelo& w) {
    return {w.lblNroImpresor->text(), w.lblRazSoc->text(), w.lblCUIT->text(),      w.lblPtoVta->text(),   w.lblUltimaZ->text(),
            w.lblUltimaFacA->text(),  w.lblUltimaFacB->text(), w.lblUltimaNCA->text(), w.lblUltimaNCB->text()};
}

void answerHasarWithData(RecordingHasar& hasar) {
    hasar.answer(QStringLiteral("QueryInitData"), {{0, kTenChars},
                                                   {3, QStringLiteral(" 30-12345678-9 ")},
                                                   {4, QStringLiteral("  Kiosco El Sol  ")},
                                                   {5, QStringLiteral(" AB12345678 ")},
                                                   {7, QStringLiteral("7")}});
    hasar.answer(QStringLiteral("QueryDailyStatus"), {{0, kTenChars}, {4, QStringLiteral("123")}});
    hasar.answer(QStringLiteral("QueryStatus"), {{0, kTenChars},
                                                 {3, QString()},
                                                 {5, QStringLiteral("123456789")},
                                                 {13, QStringLiteral("123")},
                                                 {14, QStringLiteral(" 12abc")}});
}

TEST_F(FiscalQuery, HasarReadsEveryFieldAndWritesNoModel) {
    answerHasarWithData(hasar);
    selectModel(QStringLiteral("7 - Hasar PJ20"));
    selectPort(QStringLiteral(" 3"));
    click(w().btnTraeInfo);
    EXPECT_EQ(calls(), QStringList({"ComPort(3)", "BeginSession()", "QueryInitData()", respuesta(0), respuesta(5), respuesta(4),
                                    respuesta(3), respuesta(7), "QueryDailyStatus()", respuesta(0), respuesta(4), "QueryStatus()",
                                    respuesta(3), respuesta(5), respuesta(14), respuesta(13), "Finalizar()"}));
    EXPECT_EQ(shown(w()), QStringList({"AB12345678", "Kiosco El Sol", " 30-12345678-9 ", "0007", "0123", "123456789", "00000000",
                                       "00000012", "00000123"}));
    EXPECT_TRUE(disabledInputs().isEmpty());
}

struct ModelCase {
    const char* name;
    const char* entry;
    const char* notInitialised;
    bool readsTicketA;
    bool readsCreditNotes;
};

// A failing row names itself instead of dumping its bytes.
void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.name; }

class HasarModels : public FiscalQuery, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(HasarModels, ShowWhatTheFamilyKeeps) {
    const ModelCase& c = GetParam();
    hasar.answer(QStringLiteral("QueryInitData"), {{0, kNineChars}, {3, "x"}, {4, "x"}, {5, "x"}, {7, "5"}});
    hasar.answer(QStringLiteral("QueryDailyStatus"), {{0, kTenChars}, {4, QStringLiteral("31")}});
    hasar.answer(QStringLiteral("QueryStatus"), {{3, "11"}, {5, "22"}, {13, "33"}, {14, "44"}});
    w().lblNroImpresor->setText(QStringLiteral("de antes"));
    selectModel(QString::fromUtf8(c.entry));
    click(w().btnTraeInfo);

    QStringList expected{"ComPort(1)", "BeginSession()", "QueryInitData()", respuesta(0), "QueryDailyStatus()", respuesta(0),
                         respuesta(4), "QueryStatus()", respuesta(3)};
    if (c.readsTicketA) expected << respuesta(5);
    if (c.readsCreditNotes) expected << respuesta(14) << respuesta(13);
    expected << "Finalizar()";
    EXPECT_EQ(calls(), expected);
    EXPECT_EQ(shown(w()), QStringList({"", QString::fromUtf8(c.notInitialised), "00-00000000-0", "0000", "0031",
                                       c.readsTicketA ? "00000022" : "00000000", "00000011",
                                       c.readsCreditNotes ? "00000044" : "00000000", c.readsCreditNotes ? "00000033" : "00000000"}));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, HasarModels,
    ::testing::Values(
        ModelCase{"Hasar614", "1 - Hasar 614", "Este modelo no muestra datos de inicialización", false, false},
        ModelCase{"Hasar615", "2 - Hasar 615", "Impresor No Inicializado", true, false},
        ModelCase{"HasarPR4", "3 - Hasar PR4", "Impresor No Inicializado", true, false},
        ModelCase{"Hasar950", "4 - Hasar 950", "Impresor No Inicializado", true, false},
        ModelCase{"Hasar951", "5 - Hasar 951", "Impresor No Inicializado", true, false},
        ModelCase{"Hasar262", "6 - Hasar 262/272", "Este modelo no muestra datos de inicialización", false, false},
        ModelCase{"HasarPJ20", "7 - Hasar PJ20", "Impresor No Inicializado", true, true},
        ModelCase{"HasarP320", "8 - Hasar P320/PL-8/PL-9/PL-23/P321/P322/P330/320/P425/2008", "Impresor No Inicializado", true, true},
        ModelCase{"Hasar715", "9 - Hasar 715/PR5", "Impresor No Inicializado", true, true}),
    named_case::testName);

TEST_F(FiscalQuery, FieldZeroOfTenCharactersIsAnInitialisedPrinterAndNineIsNot) {
    answerHasarWithData(hasar);
    click(w().btnTraeInfo);
    EXPECT_EQ(w().lblRazSoc->text(), QStringLiteral("Kiosco El Sol"));
    hasar.answer(QStringLiteral("QueryInitData"), {{0, kNineChars}, {4, QStringLiteral("Kiosco El Sol")}});
    click(w().btnTraeInfo);
    EXPECT_EQ(w().lblRazSoc->text(), QStringLiteral("Este modelo no muestra datos de inicialización"));
    EXPECT_EQ(w().lblNroImpresor->text(), QString());
}

TEST_F(FiscalQuery, AClosedModuleReplacesThePointOfSaleAlreadyWritten) {
    answerHasarWithData(hasar);
    hasar.answer(QStringLiteral("QueryDailyStatus"), {{0, kNineChars}, {4, QStringLiteral("123")}});
    selectModel(QStringLiteral("7 - Hasar PJ20"));
    click(w().btnTraeInfo);
    EXPECT_EQ(calls().mid(7, 3), QStringList({respuesta(7), "QueryDailyStatus()", respuesta(0)}));
    EXPECT_EQ(calls().at(10), QStringLiteral("QueryStatus()"));
    EXPECT_EQ(w().lblPtoVta->text(), QStringLiteral("MÓDULO CERRADO"));
    EXPECT_EQ(w().lblUltimaZ->text(), QStringLiteral("----"));
    EXPECT_EQ(w().lblRazSoc->text(), QStringLiteral("Kiosco El Sol"));
}

TEST_F(FiscalQuery, AFailureMidQueryKeepsTheLabelsWrittenBeforeIt) {
    for (QLabel* label : w().findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lbl(?!Titulo)"))))
        label->setText(QStringLiteral("viejo"));
    answerHasarWithData(hasar);
    trace.failAt(QStringLiteral("QueryStatus"), 1, 8042, QStringLiteral("El impresor fiscal no responde en COM1"));
    click(w().btnTraeInfo);
    EXPECT_EQ(calls().mid(calls().size() - 2),
              QStringList({"QueryStatus()", "Msg(16,\"El sistema detectó el error Nº 8042 ''El impresor fiscal no responde en COM1''\")"}));
    EXPECT_EQ(shown(w()), QStringList({"AB12345678", "Kiosco El Sol", " 30-12345678-9 ", "0007", "0123", "viejo", "viejo", "viejo",
                                       "viejo"}));
    EXPECT_TRUE(disabledInputs().isEmpty());
}

TEST_F(FiscalQuery, AnAbsurdCounterEndsInTheErrorPathWithTheLabelsBeforeItWritten) {
    answerHasarWithData(hasar);
    hasar.answer(QStringLiteral("QueryDailyStatus"), {{0, kTenChars}, {4, QString(400, QLatin1Char('9'))}});
    w().lblUltimaZ->setText(QStringLiteral("0041"));
    click(w().btnTraeInfo);
    EXPECT_EQ(calls().mid(calls().size() - 2), QStringList({respuesta(4), "Msg(16,\"El sistema detectó el error Nº 6 ''Overflow''\")"}));
    EXPECT_EQ(w().lblPtoVta->text(), QStringLiteral("0007"));
    EXPECT_EQ(w().lblUltimaZ->text(), QStringLiteral("0041"));
    EXPECT_TRUE(disabledInputs().isEmpty());
}

TEST_F(FiscalQuery, PrinterTextIsShownAsPlainTextNotMarkup) {
    hasar.answer(QStringLiteral("QueryInitData"), {{0, kTenChars}, {4, QStringLiteral("<b>Kiosco</b>")}});
    click(w().btnTraeInfo);
    EXPECT_EQ(w().lblRazSoc->text(), QStringLiteral("<b>Kiosco</b>"));
    EXPECT_EQ(w().lblRazSoc->textFormat(), Qt::PlainText);
}

RecordingEpson::StatusAnswer epsonAnswer(const char* b, const char* e, const char* ten, const char* eleven) {
    return {QString::fromLatin1(b), QString::fromLatin1(e), QString::fromLatin1(ten), QString::fromLatin1(eleven)};
}

TEST_F(FiscalQuery, EpsonReadsEachValueAfterItsRequest) {
    epson.answer(QStringLiteral("N"), epsonAnswer("  EP0012345 ", "", "", ""));
    epson.answer(QStringLiteral("A"), epsonAnswer("", "123", "7", " 12abc"));
    epson.answer(QStringLiteral("C"), epsonAnswer(" Kiosco El Sol ", "", "2", "301234567890"));
    selectModel(QStringLiteral("10 - Epson"));
    selectPort(QStringLiteral(" 2"));
    click(w().btnTraeInfo);
    EXPECT_EQ(calls(), QStringList({"PortNumber(2)", "StatusRequest(\"N\")", "Answer0B()", "StatusRequest(\"A\")", "Answer0E()",
                                    "Answer10()", "Answer11()", "StatusRequest(\"C\")", "Answer0B()", "Answer11()", "Answer11()",
                                    "Answer11()", "Answer10()"}));
    EXPECT_EQ(shown(w()), QStringList({"EP0012345", "Kiosco El Sol", "30-12345678-9", "0002", "0012", "00000123", "00000007",
                                       "00000000", "00000000"}));
    EXPECT_TRUE(disabledInputs().isEmpty());
}

TEST_F(FiscalQuery, EpsonTaxIdsOfElevenTwelveAndNoCharacters) {
    selectModel(QStringLiteral("10 - Epson"));
    const std::pair<const char*, const char*> cases[] = {
        {"20987654321", "20-98765432-1"}, {"209876543210", "20-98765432-1"}, {"", "--"}};
    for (const auto& [answer, taxId] : cases) {
        epson.answer(QStringLiteral("C"), epsonAnswer("", "", "", answer));
        click(w().btnTraeInfo);
        EXPECT_EQ(w().lblCUIT->text(), QString::fromLatin1(taxId)) << answer;
    }
}

TEST_F(FiscalQuery, ARefusedEpsonRequestLeavesItsLabelsAsTheyWere) {
    answerHasarWithData(hasar);
    selectModel(QStringLiteral("8 - Hasar P320/PL-8/PL-9/PL-23/P321/P322/P330/320/P425/2008"));
    click(w().btnTraeInfo);
    const QStringList fromHasar = shown(w());

    selectModel(QStringLiteral("10 - Epson"));
    epson.answer(QStringLiteral("N"), epsonAnswer("EP1", "", "", ""));
    trace.clear();
    click(w().btnTraeInfo);  // "A" and "C" are refused
    EXPECT_EQ(calls(), QStringList({"PortNumber(1)", "StatusRequest(\"N\")", "Answer0B()", "StatusRequest(\"A\")",
                                    "StatusRequest(\"C\")"}));
    QStringList expected = fromHasar;
    expected[0] = "EP1";
    expected[7] = expected[8] = "00000000";
    EXPECT_EQ(shown(w()), expected);

    epson.answer(QStringLiteral("A"), epsonAnswer("", "5", "6", "7"));
    click(w().btnTraeInfo);
    epson.refuse(QStringLiteral("A"));
    click(w().btnTraeInfo);
    EXPECT_EQ(w().lblUltimaFacA->text(), QStringLiteral("00000005"));
    EXPECT_EQ(w().lblUltimaFacB->text(), QStringLiteral("00000006"));
    EXPECT_EQ(w().lblUltimaZ->text(), QStringLiteral("0007"));
}

}  // namespace
