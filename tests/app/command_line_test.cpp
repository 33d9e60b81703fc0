#include "app/command_line.h"
#include "support/system_port.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

namespace {

using Action = CommandLine::Action;

CommandLine parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("/usr/bin/orbelo"));
    return parseCommandLine(arguments);
}

struct Row {
    const char* name;
    QStringList arguments;
    Action action;
    const char* messageContains;
};

class CommandLineRows : public ::testing::TestWithParam<Row> {};

TEST_P(CommandLineRows, ActionAndMessage) {
    const Row& row = GetParam();
    const CommandLine command = parse(row.arguments);
    EXPECT_EQ(command.action, row.action);
    EXPECT_TRUE(command.message.contains(QString::fromUtf8(row.messageContains))) << command.message.toStdString();
}

const Row kRows[] = {
    {"NoOptionOpensTheWindow", {}, Action::OpenWindow, ""},
    {"HelpIsSpanish", {"--help"}, Action::Print, "Muestra la versión y termina."},
    {"UnknownOption", {"--puerto"}, Action::Refuse, "opción desconocida 'puerto' (pruebe --help)"},
    {"UnknownOptionAfterAGoodOne", {"--version", "-x"}, Action::Refuse, "opción desconocida 'x'"},
    {"ValueOnAFlag", {"--version=2"}, Action::Refuse, "'--version' no lleva valor"},
    {"StrayArgument", {"COM1"}, Action::Refuse, "argumento inesperado 'COM1'"},
    {"AssignmentWithoutEquals", {"--asignar", "1"}, Action::Refuse, "escriba n=RUTA, con n de 1 a 4"},
    {"AssignmentToComFive", {"--asignar", "5=/dev/ttyUSB0"}, Action::Refuse, "'5=/dev/ttyUSB0' no es una asignación"},
    {"AssignmentToComZero", {"--asignar=0=/dev/ttyUSB0"}, Action::Refuse, "no es una asignación"},
    {"AssignmentWithoutNumber", {"--asignar", "=/dev/ttyUSB0"}, Action::Refuse, "no es una asignación"},
    {"AssignmentWithControlBytes", {"--asignar", "2=/dev/tty\nUSB0"}, Action::Refuse, "caracteres de control"},
    {"AssignmentWithBlanks", {"--asignar", "2= /dev/ttyUSB0"}, Action::Refuse, "empieza o termina en blanco"},
    {"AssignmentTooLong", {"--asignar", "2=/" + QString(300, 'a')}, Action::Refuse, "demasiado larga"},
    {"OneBadAssignmentStoresNone", {"--asignar", "1=/dev/ttyUSB7", "--asignar", "9=x"}, Action::Refuse, "'9=x'"},
    {"TraceWithoutFile", {"--traza"}, Action::Refuse, "falta el valor de '--traza'"},
    {"TraceIntoAFolder", {"--traza", "/tmp"}, Action::Refuse, "'/tmp' es una carpeta"},
    {"TraceWhereNothingCanBeWritten", {"--traza", "/nonexistent/dir/traza.txt"}, Action::Refuse,
     "no se puede escribir la traza en '/nonexistent/dir/traza.txt'"},
};

INSTANTIATE_TEST_SUITE_P(, CommandLineRows, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, AssignmentsAreStoredAndListedWithTheirSource) {
    CommandLine command = parse({"--asignar", "2=/dev/ttyUSB4", "--asignar", "3=/dev/ttyACM0", "--puertos"});
    ASSERT_EQ(command.action, Action::Print) << command.message.toStdString();
    EXPECT_TRUE(command.message.startsWith(QStringLiteral("COM2 → /dev/ttyUSB4 (configuración)\n"
                                                          "COM3 → /dev/ttyACM0 (configuración)\n")))
        << command.message.toStdString();
    EXPECT_TRUE(command.message.contains(QStringLiteral("Dispositivos serie encontrados:\n")));
    EXPECT_TRUE(command.message.contains(QStringLiteral("  COM1 → %1 (predeterminado)\n").arg(systemPortName(1))));
    EXPECT_TRUE(command.message.contains(QStringLiteral("  COM3 → /dev/ttyACM0 (configuración)\n")));
    command = parse({"--asignar", "2=", "--asignar", "3=", "--asignar", "1=/dev/ttyUSB7", "--asignar", "9=x"});
    EXPECT_EQ(command.action, Action::Refuse);
    command = parse({"--puertos"});
    EXPECT_TRUE(command.message.contains(QStringLiteral("  COM1 → %1 (predeterminado)\n").arg(systemPortName(1))))
        << command.message.toStdString();
    EXPECT_TRUE(command.message.contains(QStringLiteral("  COM3 → /dev/ttyACM0 (configuración)\n")));
    parse({"--asignar", "3="});
    EXPECT_TRUE(parse({"--puertos"}).message.contains(QStringLiteral("  COM3 → %1 (predeterminado)\n").arg(systemPortName(3))));
}

TEST(CommandLine, VersionIsThreeNumbersOnOneLine) {
    const QString text = parse({QStringLiteral("--version")}).message;
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^orbelo \\d+\\.\\d+\\.\\d+\\n$")).match(text).hasMatch())
        << text.toStdString();
}

// The help text feeds the manual page, so it must not carry the path the program ran from.
TEST(CommandLine, HelpNamesTheProgramWithoutItsPath) {
    const QString text = parse({QStringLiteral("--help")}).message;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Uso: orbelo [opciones]\n"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("/usr/bin")));
}

// An empty start means the stream must stay empty.
bool opensWith(const QString& text, const char* start) {
    return start[0] == '\0' ? text.isEmpty() : text.startsWith(QString::fromUtf8(start));
}

// The program itself, with no display to open: options that only print must not need one, and a
// bad option must end with status 2 before any window.
TEST(CommandLine, ProgramAnswersWithoutADisplay) {
    const struct {
        QStringList arguments;
        int status;
        const char* stdoutStart;
        const char* stderrStart;
    } cases[] = {
        {{QStringLiteral("--version")}, 0, "orbelo ", ""},
        {{QStringLiteral("--help")}, 0, "Uso: orbelo", ""},
        {{QStringLiteral("--no-such-option")}, kUsageErrorStatus, "", "orbelo: opción desconocida"},
    };
    for (const auto& c : cases) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ORBELO_PROGRAM), c.arguments);
        ASSERT_TRUE(program.waitForFinished(10000)) << c.arguments.join(' ').toStdString();
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.status) << err.toStdString();
        EXPECT_TRUE(opensWith(out, c.stdoutStart)) << out.toStdString();
        EXPECT_TRUE(opensWith(err, c.stderrStart)) << err.toStdString();
    }
}

}  // namespace
