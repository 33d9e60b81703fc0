#include "soak_case.h"
#include "soak_draw.h"
#include "soak_shrink.h"

#include <gtest/gtest.h>

namespace {

SoakStep step(const char* operation, QStringList arguments = {}, bool restart = false) {
    return {QString::fromLatin1(operation), arguments, restart};
}

TEST(SoakCaseFile, ReadsBackWhatItWrites) {
    const SoakCase c{8, 41, {step("FA", {"--fault", "drop-reply,cmd=45,after=0,times=3", "--blocked"}), step("Z"),
                             step("NCA", {"--fault", "silent,cmd=42,after=1,times=0"}, true)}};
    QString error;
    const std::optional<SoakCase> back = parseCase(caseText(c), &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_EQ(*back, c);
    EXPECT_EQ(back->steps[2].faultCount(), 2);
}

TEST(SoakCaseFile, RefusesWhatNoStepCanRun) {
    for (const char* text : {"modelo 11\nFA |\n", "modelo 3\nfactura |\n", "FA |\n"}) {
        QString error;
        EXPECT_FALSE(parseCase(QString::fromLatin1(text), &error)) << text;
        EXPECT_FALSE(error.isEmpty());
    }
}

// Commands of a made-up operation: status, open, item, close sent twice over.
const QList<quint8> kCommands{0x2A, 0x40, 0x42, 0x45, 0x45};

TEST(SoakDraw, TheSameSeedDrawsTheSameCaseAndFaultsHitTheOperationsFrames) {
    const CommandsOf commands = [](int, const QString&) { return kCommands; };
    EXPECT_EQ(drawCase(7, 10, 30, commands), drawCase(7, 10, 30, commands));
    EXPECT_NE(drawCase(7, 10, 30, commands), drawCase(8, 10, 30, commands));
    int faults = 0;
    for (quint32 seed = 0; seed < 40; ++seed) {
        for (const SoakStep& s : drawCase(seed, 10, 10, commands).steps) {
            EXPECT_LE(faultHoldMs(s), 3500);
            for (qsizetype i = 0; i + 1 < s.printerArguments.size(); ++i) {
                if (s.printerArguments[i] != QLatin1String("--fault")) continue;
                const QString fault = s.printerArguments[i + 1];
                ++faults;
                EXPECT_FALSE(fault.startsWith(QStringLiteral("buffer-full"))) << "the Epson has no print buffer to fill";
                const QString command = fault.section(QStringLiteral("cmd="), 1).left(2);
                EXPECT_TRUE(kCommands.contains(quint8(command.toUInt(nullptr, 16)))) << fault.toStdString();
            }
        }
    }
    EXPECT_GT(faults, 200);
}

TEST(SoakShrink, KeepsOnlyTheStepsAndFaultsThatMakeItFail) {
    // Fails when a Z with a power cut comes before an invoice, whatever else is there.
    const QStringList cut{"--fault", "power-cut,cmd=39,after=0,seconds=1"};
    const auto fails = [&](const SoakCase& c) {
        bool cutZ = false;
        for (const SoakStep& s : c.steps) {
            if (s.operation == QLatin1String("Z") && s.printerArguments.join(' ').contains("power-cut")) cutZ = true;
            if (s.operation == QLatin1String("FA") && cutZ) return true;
        }
        return false;
    };
    const SoakCase failing{3, 1, {step("X"), step("Z", QStringList{"--fault", "busy,cmd=2A,after=0,seconds=1"} + cut),
                                   step("cajon", {}, true), step("FB"), step("FA", {"--fault", "garbage,cmd=45,after=0"})}};
    const SoakCase shrunk = shrinkCase(failing, fails, 100);
    EXPECT_EQ(shrunk, (SoakCase{3, 1, {step("Z", cut), step("FA")}}));
    // Out of tries, it keeps what it had.
    EXPECT_EQ(shrinkCase(failing, fails, 0), failing);
}

}  // namespace
