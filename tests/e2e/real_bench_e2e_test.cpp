// A printer on a device path of the technician's choosing, assigned with the command line and
// traced to a file, as on a real bench.
#include "e2e_fixture.h"

#include "app/command_line.h"
#include "drivers/hasar/hasar_choices.h"
#include "drivers/link/link_trace.h"
#include "drivers/link/serial_transport.h"
#include "program/operations.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

class RealBench : public ::testing::Test {
protected:
    void SetUp() override {
        qunsetenv("ORBELO_COM1");
        // The window reads the same settings file the program writes under XDG_CONFIG_HOME.
        suiteSettings = usePortSettingsFile(config.filePath(QStringLiteral("Orbelo/Orbelo.conf")));
    }
    void TearDown() override {
        link_trace::setFile(QString());
        usePortSettingsFile(suiteSettings);
    }

    // The orbelo program with this test's settings folder and no port variables.
    QString orbelo(const QStringList& arguments, int* status) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        for (int com = 1; com <= 4; ++com) env.remove(QStringLiteral("ORBELO_COM%1").arg(com));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ORBELO_PROGRAM), arguments);
        EXPECT_TRUE(program.waitForFinished(10000));
        *status = program.exitCode();
        return QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
    }

    QTemporaryDir config;
    QTemporaryDir work;
    QString suiteSettings;
};

TEST_F(RealBench, AnAssignedDevicePrintsAnXReportAndTheTraceKeepsItsBytesAndTimes) {
    const QString device = work.filePath(QStringLiteral("impresora-del-banco"));
    VirtualPrinterProcess printer(QStringLiteral("hasar"), {QStringLiteral("--link"), device});
    ASSERT_TRUE(printer.start());

    int status = -1;
    QString said = orbelo({QStringLiteral("--asignar"), QStringLiteral("1=") + device}, &status);
    ASSERT_EQ(status, 0) << said.toStdString();
    said = orbelo({QStringLiteral("--puertos")}, &status);
    EXPECT_EQ(status, 0);
    // The link the virtual printer made shows where it leads.
    EXPECT_TRUE(said.contains(QStringLiteral("  COM1 → %1 → %2 (configuración)\n").arg(device, QFileInfo(device).canonicalFilePath())))
        << said.toStdString();

    const QString traceFile = work.filePath(QStringLiteral("traza.txt"));
    const CommandLine command = parseCommandLine({QStringLiteral("orbelo"), QStringLiteral("--traza"), traceFile});
    ASSERT_EQ(command.action, CommandLine::Action::OpenWindow) << command.message.toStdString();
    ASSERT_TRUE(link_trace::setFile(command.traceFile));

    Trace trace;
    RecordingPrompts prompts(trace);
    FixedClock clock;
    HasarDriver hasar(portDeviceName);
    EpsonDriver epson(portDeviceName);
    {
        FrmOrbelo window(hasar, epson, prompts, clock);
        wireOperations(window);
        window.show();
        window.cboListaImp->setCurrentIndex(window.cboListaImp->findText(kP320));
        EXPECT_EQ(window.cboPuerto->itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("COM1 → ") + device);
        window.btnX->click();
    }
    EXPECT_TRUE(trace.lines().isEmpty()) << trace.lines().join(QLatin1Char('\n')).toStdString();
    const QStringList reports = printer.paper().filter(QRegularExpression(QStringLiteral("^== INFORME ")));
    ASSERT_EQ(reports.size(), 1) << reports.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(reports[0].startsWith(QStringLiteral("== INFORME X ")));

    QFile file(traceFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString lines = QString::fromUtf8(file.readAll());
    const QString stamp = QStringLiteral(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} COM1 \()") +
                          QRegularExpression::escape(device) + QStringLiteral(R"(\) )");
    // The X command out (0x39 "X"), its reply back, and the exchange with its round trip.
    EXPECT_TRUE(QRegularExpression(stamp + QStringLiteral(R"(>> 02 [0-9A-F]{2} 39 1C 58 03 .*\|\..9\.X\..*\|)"))
                    .match(lines)
                    .hasMatch())
        << lines.toStdString();
    EXPECT_TRUE(QRegularExpression(stamp + QStringLiteral(R"(<< .*)")).match(lines).hasMatch());
    // The exchange gives the reply's status words in words.
    EXPECT_TRUE(QRegularExpression(stamp + QStringLiteral(R"(0x39 [^:\n]+: 1 envío, \d+ ms · impresor [0-9A-F]{4} \([^)]+\), )"
                                                          R"(fiscal [0-9A-F]{4} \([^)]*terminal fiscalizada[^)]*\)\n)"))
                    .match(lines)
                    .hasMatch())
        << lines.toStdString();
    // The operation starts with its button, the model entry and the port, before its first byte.
    const qsizetype start = lines.indexOf(QStringLiteral(" === IMPRIMIR X · modelo %1 · COM1 (%2)\n").arg(kP320, device));
    EXPECT_GE(start, 0) << lines.toStdString();
    EXPECT_LT(start, lines.indexOf(QStringLiteral(">> "))) << lines.toStdString();
}

// A printer out of paper shows in the caption while the window waits, and the caption goes back
// when it answers.
TEST_F(RealBench, APrinterHoldingACommandShowsInTheCaptionUntilItAnswers) {
    VirtualPrinterProcess printer(QStringLiteral("hasar"), {QStringLiteral("--fault"), QStringLiteral("paper-out,cmd=39,seconds=1")});
    ASSERT_TRUE(printer.start());
    qputenv("ORBELO_COM1", printer.device().toLocal8Bit());
    LinkOptions options = hasar_choice::linkOptions();
    options.holdNoticeMs = 300;
    HasarDriver hasar(std::make_unique<SerialTransport>(portDeviceName), options);
    EpsonDriver epson(portDeviceName);
    Trace trace;
    RecordingPrompts prompts(trace);
    FixedClock clock;
    FrmOrbelo window(hasar, epson, prompts, clock);
    wireOperations(window);
    QStringList captions;
    QObject::connect(&hasar.events(), &PrinterEvents::held, &window, [&] { captions << window.lblTitulo->text(); });
    window.show();
    window.cboListaImp->setCurrentIndex(window.cboListaImp->findText(kP320));
    window.btnX->click();
    qunsetenv("ORBELO_COM1");
    EXPECT_EQ(captions, QStringList({QStringLiteral("Orbelo 1.0 · sin papel: coloque papel para continuar"),
                                     QStringLiteral("Orbelo 1.0")}));
    EXPECT_EQ(window.lblTitulo->text(), QStringLiteral("Orbelo 1.0"));
    EXPECT_TRUE(trace.lines().isEmpty()) << trace.lines().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(printer.paper().filter(QStringLiteral("== INFORME X ")).size(), 1);
}

using ChosenModel = EndToEnd;

// A model of the other brand than the printer on the port is told before anything is printed.
TEST_F(ChosenModel, OfTheOtherBrandThanThePrinterIsToldBeforeAnythingIsPrinted) {
    start();
    // The Epson model on COM1, where the Hasar is, and a Hasar model on COM2, where the Epson is.
    const struct {
        QString model;
        int port;  // in the port list, 0 being COM1
        const char* says;
    } rows[] = {
        {kEpson, 0, "habla el protocolo Hasar, no el Epson del modelo elegido"},
        {kP320, 1, "habla el protocolo Epson, no el Hasar del modelo elegido"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.model.toStdString());
        trace.clear();
        selectModel(row.model);
        w().cboPuerto->setCurrentIndex(row.port);
        click(w().btnX);
        ASSERT_EQ(trace.lines().size(), 1);
        EXPECT_TRUE(trace.lines()[0].contains(QStringLiteral("error Nº 8031"))) << trace.lines()[0].toStdString();
        EXPECT_TRUE(trace.lines()[0].contains(QString::fromUtf8(row.says))) << trace.lines()[0].toStdString();
    }
    EXPECT_TRUE(titles(hasarPrinter->paper()).isEmpty());
    EXPECT_TRUE(titles(epsonPrinter->paper()).isEmpty());
}

}  // namespace
