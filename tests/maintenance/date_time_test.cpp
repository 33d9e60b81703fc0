#include "support/window_fixture.h"
#include "program/operations.h"

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
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DateTime, EpsonCancelsAnOpenTicketThenSetsTheClockWithoutAsking) {
    selectModel(QStringLiteral("10 - Epson"));
    selectPort(QStringLiteral(" 2"));
    clock.set(QDateTime(QDate(2027, 3, 4), QTime(7, 5, 9)));
    click(w().btnCambioFechaHora);
    EXPECT_EQ(calls(), QStringList({QStringLiteral("PortNumber(2)"), QStringLiteral("CancelAll()"),
                                    QStringLiteral("SetDateTime(\"S\",\"270304\",\"070509\")")}));
    EXPECT_TRUE(disabledInputs().isEmpty());
}

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
