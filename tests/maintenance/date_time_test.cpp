#include "support/window_fixture.h"
#include "program/operations.h"
#include "support/named_case.h"

#include <QComboBox>
#include <QPushButton>

namespace {

using DateTime = WindowTest;

const QString kUsableAnswer = QStringLiteral("C080;0600;");  // 10 characters

QStringList hasarQuery() {
    QStringList lines = hasarPreamble(1, std::nullopt);
    lines << QStringLiteral("QueryDayActivity()") << QStringLiteral("Respuesta(0)");
    return lines;
}

QStringList hasarFields(int upTo) {
    QStringList lines = hasarQuery();
    for (int field = 3; field <= upTo; ++field) lines << QStringLiteral("Respuesta(%1)").arg(field);
    return lines;
}

const QString kRefusedZ = QStringLiteral("Msg(48,\"Debe sacar zeta para poder cambiar la FECHA y HORA\")");
const QString kTypeMismatch = QStringLiteral("Msg(16,\"El sistema detectó el error Nº 13 ''Type mismatch''\")");

struct AnswerCase {
    const char* name;
    QString field0, field3, field4, field5;
    QStringList expected;
};

void PrintTo(const AnswerCase& row, std::ostream* out) { *out << row.name; }

class DateTimeAnswers : public DateTime, public ::testing::WithParamInterface<AnswerCase> {};

// The model entry is not the first so that a stray Model(...) would show.
TEST_P(DateTimeAnswers, TheDayActivityDecidesWhetherTheClockIsSet) {
    const AnswerCase& c = GetParam();
    hasar.answer(QStringLiteral("QueryDayActivity"), {{0, c.field0}, {3, c.field3}, {4, c.field4}, {5, c.field5}});
    selectModel(QStringLiteral("8 - Hasar P320/PL-8/PL-9/PL-23/P321/P322/P330/320/P425/2008"));
    click(w().btnCambioFechaHora);
    EXPECT_EQ(calls(), c.expected);
    EXPECT_TRUE(disabledInputs().isEmpty());
}

const QString kSetClock = QStringLiteral("SendCommand(\"X\\x1c261208\\x1c103000\")");

INSTANTIATE_TEST_SUITE_P(, DateTimeAnswers,
    ::testing::Values(
        AnswerCase{"AllZeroSetsTheClock", kUsableAnswer, "0", "0", "0",
                   hasarFields(5) << kSetClock << QStringLiteral("Finalizar()")},
        AnswerCase{"ZeroWrittenOtherwiseIsStillZero", kUsableAnswer, "00", " 0", "0.0",
                   hasarFields(5) << kSetClock << QStringLiteral("Finalizar()")},
        AnswerCase{"NineCharactersAreNoAnswer", kUsableAnswer.left(9), "0", "0", "0",
                   hasarQuery() << QStringLiteral("Msg(48,\"No se puede ejecutar este comando\")")
                                << QStringLiteral("Finalizar()")},
        AnswerCase{"CancelledDocumentsRefuse", kUsableAnswer, "1", "0", "0",
                   hasarFields(5) << kRefusedZ << QStringLiteral("Finalizar()")},
        AnswerCase{"NonFiscalDocumentsRefuse", kUsableAnswer, "0", "1", "0",
                   hasarFields(5) << kRefusedZ << QStringLiteral("Finalizar()")},
        AnswerCase{"FiscalDocumentsRefuse", kUsableAnswer, "0", "0", "1",
                   hasarFields(5) << kRefusedZ << QStringLiteral("Finalizar()")},
        AnswerCase{"EmptyFieldThreeIsAnError", kUsableAnswer, "", "0", "0", hasarFields(3) << kTypeMismatch},
        AnswerCase{"EmptyFieldFiveIsAnErrorEvenAfterANonZero", kUsableAnswer, "1", "0", "",
                   hasarFields(5) << kTypeMismatch},
        AnswerCase{"TextInFieldFourIsAnError", kUsableAnswer, "0", "uno", "0", hasarFields(4) << kTypeMismatch}),
    named_case::testName);

TEST_F(DateTime, EpsonCancelsAnOpenTicketThenSetsTheClockWithoutAsking) {
    selectModel(QStringLiteral("10 - Epson"));
    selectPort(QStringLiteral(" 2"));
    clock.set(QDateTime(QDate(2027, 3, 4), QTime(7, 5, 9)));
    click(w().btnCambioFechaHora);
    EXPECT_EQ(calls(), QStringList({QStringLiteral("PortNumber(2)"), QStringLiteral("CancelAll()"),
                                    QStringLiteral("SetDateTime(\"S\",\"270304\",\"070509\")")}));
    EXPECT_TRUE(disabledInputs().isEmpty());
}

struct LostReplyCase {
    const char* name;
    int setFailure;      // the number the clock change fails with
    int readFailure;     // and the reading after it; 0: it answers
    const char* shows;   // what the reading shows, YYMMDD HHMMSS
    int shown;           // the number the technician reads
    const char* words;   // in its description
};

class LostClockReply : public DateTime, public ::testing::WithParamInterface<LostReplyCase> {};

// After a lost reply the printer's clock tells whether the change needs repeating.
TEST_P(LostClockReply, TheClockReadBackSaysWhetherToRepeat) {
    const LostReplyCase& c = GetParam();
    selectModel(QStringLiteral("10 - Epson"));
    clock.set(QDateTime(QDate(2027, 3, 4), QTime(7, 5, 9)));
    const QStringList shows = QString::fromLatin1(c.shows).split(QLatin1Char(' '));
    epson.clockShows(shows.value(0), shows.value(1));
    trace.failAt(QStringLiteral("SetDateTime"), 1, c.setFailure);
    if (c.readFailure != 0) trace.failAt(QStringLiteral("SetDateTime"), 2, c.readFailure);
    click(w().btnCambioFechaHora);
    const QString message = calls().value(calls().size() - 1);
    EXPECT_TRUE(message.contains(QStringLiteral("error Nº %1 ").arg(c.shown))) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromUtf8(c.words))) << message.toStdString();
    EXPECT_TRUE(disabledInputs().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    , LostClockReply,
    ::testing::Values(
        LostReplyCase{"ClockAlreadyNew", 8007, 0, "270304 070512", 8020, "su reloj ya muestra 04/03/2027 07:05:12"},
        LostReplyCase{"ClockStillOld", 8007, 0, "270303 221500", 8019, "la fecha y hora no cambiaron"},
        LostReplyCase{"ClockUnreadable", 8005, 0, "27xx04 070509", 8019, "una hora que no se lee"},
        LostReplyCase{"ReadingFailsToo", 8007, 8007, "", 8007, "Falla de prueba"},
        LostReplyCase{"RefusalIsNoDoubt", 8013, 0, "270304 070509", 8013, "Falla de prueba"}),
    named_case::testName);

// A clock one second further on at every reading: fields cut from separate readings at the
// last second of a year would mix two days or two years.
class TickingClock : public Clock {
public:
    QDateTime now() const override { return start_.addSecs(readings_++); }

private:
    QDateTime start_{QDate(2026, 12, 31), QTime(23, 59, 59)};
    mutable int readings_ = 0;
};

TEST_F(DateTime, DateAndTimeComeFromOneInstantAtTheTurnOfTheYear) {
    TickingClock ticking;
    FrmOrbelo window(hasar, epson, prompts, ticking);
    wireOperations(window);
    window.show();
    hasar.answer(QStringLiteral("QueryDayActivity"), {{0, kUsableAnswer}, {3, "0"}, {4, "0"}, {5, "0"}});
    click(window.btnCambioFechaHora);
    EXPECT_EQ(calls().value(calls().size() - 2), QStringLiteral("SendCommand(\"X\\x1c261231\\x1c235959\")"));
    trace.clear();
    TickingClock again;
    FrmOrbelo epsonWindow(hasar, epson, prompts, again);
    wireOperations(epsonWindow);
    epsonWindow.show();
    epsonWindow.cboListaImp->setCurrentIndex(9);
    click(epsonWindow.btnCambioFechaHora);
    EXPECT_EQ(calls().value(2), QStringLiteral("SetDateTime(\"S\",\"261231\",\"235959\")"));
}

}  // namespace
