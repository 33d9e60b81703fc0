#include "e2e_fixture.h"

#include "app/error_path.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

namespace {

using SpeedEndToEnd = EndToEnd;

QString asked(const QString& port, int found) {
    const QString quoted = arg::q(errorMessage(
        8032, QStringLiteral("El impresor responde a %1 baudios; Orbelo trabaja a 9600 en %2").arg(found).arg(port)));
    return QStringLiteral("Ask(") + quoted.chopped(1);
}

int reports(const QStringList& paper) {
    int n = 0;
    for (const QString& line : paper) n += line.startsWith(QStringLiteral("== INFORME X ")) ? 1 : 0;
    return n;
}

// The Hasar left at 19200 by another program is found, set back to 9600 on the technician's yes,
// and the next X report goes at 9600 without a search.
TEST_F(SpeedEndToEnd, HasarLeftAt19200IsFoundAndSetBackTo9600) {
    start({QStringLiteral("--baud"), QStringLiteral("19200")});
    selectModel(kP320);
    prompts.answerQuestions(true);
    click(w().btnX);
    const QString port = QStringLiteral("COM1 (%1)").arg(hasarPrinter->device());
    ASSERT_EQ(trace.lines().size(), 2) << trace.lines().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(trace.lines()[0].startsWith(asked(port, 19200))) << trace.lines()[0].toStdString();
    EXPECT_TRUE(trace.lines()[0].endsWith(QStringLiteral("¿Volver el impresor a 9600 baudios con el comando de cambio de velocidad?\")=Sí")));
    EXPECT_EQ(trace.lines()[1], QStringLiteral("Msg(64,\"El impresor responde ahora a 9600 baudios en COM1. Repita la operación\")"))
        << trace.lines()[1].toStdString();
    trace.clear();
    QElapsedTimer clock;
    clock.start();
    click(w().btnX);
    EXPECT_LT(clock.elapsed(), 1500) << "the X report searched the speeds again";
    EXPECT_TRUE(trace.lines().isEmpty()) << trace.lines().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(reports(hasarPrinter->paper()), 1);
}

// No answer is no change: the printer keeps its speed and the port its own.
TEST_F(SpeedEndToEnd, HasarStaysAtItsSpeedWhenTheTechnicianSaysNo) {
    start({QStringLiteral("--baud"), QStringLiteral("38400")});
    selectModel(kP320);
    click(w().btnX);
    ASSERT_EQ(trace.lines().size(), 1);
    EXPECT_TRUE(trace.lines()[0].startsWith(asked(QStringLiteral("COM1 (%1)").arg(hasarPrinter->device()), 38400)));
    EXPECT_TRUE(trace.lines()[0].endsWith(QStringLiteral("=No")));
    EXPECT_EQ(portSpeed(1), 9600);
    EXPECT_EQ(reports(hasarPrinter->paper()), 0);
}

// An Epson has no known command for its speed: the port follows it, and works there from then on.
TEST_F(SpeedEndToEnd, EpsonAt19200IsFoundAndThePortKeepsItsSpeed) {
    start({}, {QStringLiteral("--baud"), QStringLiteral("19200")});
    selectModel(kEpson);
    w().cboPuerto->setCurrentIndex(1);
    prompts.answerQuestions(true);
    click(w().btnX);
    ASSERT_EQ(trace.lines().size(), 2) << trace.lines().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(trace.lines()[0].startsWith(asked(QStringLiteral("COM2 (%1)").arg(epsonPrinter->device()), 19200)));
    EXPECT_TRUE(trace.lines()[0].contains(QStringLiteral("(orbelo --velocidad 2=19200)?")));
    EXPECT_EQ(trace.lines()[1], QStringLiteral("Msg(64,\"COM2 trabaja ahora a 19200 baudios. Repita la operación\")"));
    EXPECT_EQ(portSpeed(2), 19200);
    trace.clear();
    click(w().btnX);
    EXPECT_TRUE(trace.lines().isEmpty()) << trace.lines().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(reports(epsonPrinter->paper()), 1);
    assignPortSpeed(2, 9600);
}

// A port where nothing answers at any speed: told within 2 s at 9600 plus the search's 4 s,
// naming every speed tried.
TEST_F(SpeedEndToEnd, APortWhereNothingAnswersIsToldWithinTheStatedTime) {
    start({QStringLiteral("--fault"), QStringLiteral("silent,times=0")});
    selectModel(kP320);
    QElapsedTimer clock;
    clock.start();
    click(w().btnX);
    const qint64 elapsed = clock.elapsed();
    EXPECT_LT(elapsed, 2000 + 4000);
    ASSERT_EQ(trace.lines().size(), 1);
    EXPECT_TRUE(trace.lines()[0].contains(
        QStringLiteral("a 9600 baudios, 8N1, ni a 19200, 38400, 57600, 115200, 4800 o 2400: revise que esté encendido")))
        << trace.lines()[0].toStdString();
    std::printf("silent port told in %lld ms\n", static_cast<long long>(elapsed));
}

}  // namespace
