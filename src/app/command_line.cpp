#include "command_line.h"

#include "drivers/link/link_trace.h"
#include "orbelo_version.h"
#include "port_commands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <QTranslator>

namespace {

// Qt's own parser texts (headings, errors) in Spanish, for as long as it lives.
class ParserTextsInSpanish : public QTranslator {
public:
    ParserTextsInSpanish() { QCoreApplication::installTranslator(this); }
    ~ParserTextsInSpanish() override { QCoreApplication::removeTranslator(this); }
    ParserTextsInSpanish(const ParserTextsInSpanish&) = delete;
    ParserTextsInSpanish& operator=(const ParserTextsInSpanish&) = delete;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (qstrcmp(context, "QCommandLineParser") != 0) return {};
        static const struct {
            const char* english;
            const char* spanish;
        } kTexts[] = {
            {"Options:", "Opciones:"},
            {"Arguments:", "Argumentos:"},
            {"Missing value after '%1'.", "falta el valor de '%1'"},
            {"Unexpected value after '%1'.", "'%1' no lleva valor"},
        };
        for (const auto& text : kTexts)
            if (qstrcmp(sourceText, text.english) == 0) return QString::fromUtf8(text.spanish);
        return {};
    }
};

// Qt's usage line names the path the program ran from; the manual page wants just its name.
QString helpText(const QCommandLineParser& parser) {
    const QString text = parser.helpText();
    return QStringLiteral("Uso: orbelo [opciones]") + text.mid(text.indexOf(QLatin1Char('\n')));
}

// --asignar and --velocidad (each value checked before any is stored), then --puertos.
CommandLine portCommands(const QStringList& assignments, const QStringList& speedValues, bool listPorts) {
    QList<PortAssignment> read;
    for (const QString& value : assignments) {
        read << readPortAssignment(value);
        if (!read.last().problem.isEmpty()) return {CommandLine::Action::Refuse, read.last().problem};
    }
    QList<SpeedAssignment> speeds;
    for (const QString& value : speedValues) {
        speeds << readSpeedAssignment(value);
        if (!speeds.last().problem.isEmpty()) return {CommandLine::Action::Refuse, speeds.last().problem};
    }
    CommandLine printed{CommandLine::Action::Print, {}};
    for (const PortAssignment& assignment : read) {
        const AssignmentResult result = applyPortAssignment(assignment);
        if (!result.stored) return {CommandLine::Action::Refuse, result.text};
        printed.message += result.text;
        if (!result.warning.isEmpty()) printed.warnings += result.warning + QLatin1Char('\n');
    }
    for (const SpeedAssignment& speed : speeds) {
        const AssignmentResult result = applySpeedAssignment(speed);
        if (!result.stored) return {CommandLine::Action::Refuse, result.text};
        printed.message += result.text;
    }
    if (listPorts) printed.message += portsReport();
    return printed;
}

// Qt names an unknown option without its dashes; the technician reads it as typed.
QString unknownOptionText(const QStringList& names, const QStringList& arguments) {
    QStringList typed;
    for (const QString& name : names) {
        QString shown = name;
        for (const QString& argument : arguments.mid(1)) {
            if (argument == QStringLiteral("--")) break;
            const QString bare = argument.section(QLatin1Char('='), 0, 0);
            if (bare.startsWith(QLatin1Char('-')) && QStringView(bare).mid(bare.startsWith(QStringLiteral("--")) ? 2 : 1) == name) {
                shown = bare;
                break;
            }
        }
        typed << QStringLiteral("'%1'").arg(shown);
    }
    return (typed.size() == 1 ? QStringLiteral("opción desconocida ") : QStringLiteral("opciones desconocidas: ")) +
           typed.join(QStringLiteral(", "));
}

QString versionText() { return QStringLiteral("orbelo %1\n").arg(QLatin1String(kOrbeloVersion)); }

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    const ParserTextsInSpanish spanish;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prueba impresores fiscales argentinos (Hasar y Epson) conectados a un puerto serie.\n"
        "Sin opciones abre la ventana de pruebas."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Muestra las opciones y termina."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Muestra la versión y termina."));
    parser.addOption(help);
    parser.addOption(version);
    const QCommandLineOption ports(QStringLiteral("puertos"),
                                   QStringLiteral("Muestra los dispositivos serie encontrados y qué dispositivo abre "
                                                  "cada puerto COM 1 a 4 (y de dónde sale, y su velocidad si no es 9600), y termina."));
    const QCommandLineOption assign(QStringLiteral("asignar"),
                                    QStringLiteral("Guarda en la configuración del usuario el dispositivo que abre el "
                                                   "puerto COM n (n= lo quita), y termina."),
                                    QStringLiteral("n=RUTA"));
    const QCommandLineOption speed(QStringLiteral("velocidad"),
                                   QStringLiteral("Guarda la velocidad en baudios del puerto COM n, para un impresor "
                                                  "que debe quedar en otra que 9600 (n= vuelve a 9600), y termina."),
                                   QStringLiteral("n=BAUDIOS"));
    const QCommandLineOption trace(QStringLiteral("traza"),
                                   QStringLiteral("Agrega al ARCHIVO cada byte enviado y recibido por el puerto serie."),
                                   QStringLiteral("ARCHIVO"));
    parser.addOption(ports);
    parser.addOption(assign);
    parser.addOption(speed);
    const QCommandLineOption service(QStringLiteral("servicio"),
                                     QStringLiteral("Abre la ventana en modo servicio: la página TOMAR/ENVIAR DATOS AL "
                                                    "IMPRESOR FISCAL lee el impresor y le envía nombre de fantasía, "
                                                    "encabezado y pie."));
    parser.addOption(trace);
    parser.addOption(service);

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return {CommandLine::Action::Refuse,
                (unknown.isEmpty() ? parser.errorText() : unknownOptionText(unknown, arguments)) +
                    QStringLiteral(" (pruebe --help)")};
    }
    if (!parser.positionalArguments().isEmpty())
        return {CommandLine::Action::Refuse,
                QStringLiteral("argumento inesperado '%1' (pruebe --help)").arg(parser.positionalArguments().first())};
    if (parser.isSet(help)) return {CommandLine::Action::Print, helpText(parser)};
    if (parser.isSet(version)) return {CommandLine::Action::Print, versionText()};
    if (parser.isSet(assign) || parser.isSet(speed) || parser.isSet(ports))
        return portCommands(parser.values(assign), parser.values(speed), parser.isSet(ports));
    CommandLine window;
    window.serviceMode = parser.isSet(service);
    if (parser.isSet(trace)) {
        window.traceFile = parser.value(trace);
        if (const QString problem = link_trace::fileProblem(window.traceFile); !problem.isEmpty())
            return {CommandLine::Action::Refuse, problem};
    }
    return window;
}

int finishCommandLine(const CommandLine& command) {
    switch (command.action) {
    case CommandLine::Action::OpenWindow:
        break;
    case CommandLine::Action::Print:
        QTextStream(stdout) << command.message;
        if (!command.warnings.isEmpty()) QTextStream(stderr) << command.warnings;
        return 0;
    case CommandLine::Action::Refuse:
        QTextStream(stderr) << "orbelo: " << command.message << Qt::endl;
        return kUsageErrorStatus;
    }
    return 0;
}
