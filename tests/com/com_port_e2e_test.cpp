// The COM path as a Windows bench has it: nothing assigned, so COM n opens the system's COMn.
#include "support/recording_prompts.h"
#include "support/trace.h"

#include "app/frm_orbelo.h"
#include "app/port_device.h"
#include "drivers/epson/epson_driver.h"
#include "drivers/hasar/hasar_choices.h"
#include "drivers/hasar/hasar_driver.h"
#include "program/operations.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// The rolls scripts/windows gives, as this system names them.
QString rollOf(const char* variable) { return qEnvironmentVariable(variable); }

QStringList paper(const QString& roll) {
    QFile file(roll);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Lines that open a document or report, printed after the first `skip` lines of the roll.
QStringList titlesAfter(const QStringList& lines, qsizetype skip) {
    QStringList out;
    for (const QString& line : lines.mid(skip)) {
        if (line.startsWith(QStringLiteral("== ")) && !line.startsWith(QStringLiteral("== FIN ")) &&
            !line.startsWith(QStringLiteral("== CANCELADO ")))
            out << line;
    }
    return out;
}

class ComPorts : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* variable : {"ORBELO_COM1", "ORBELO_COM2", "ORBELO_COM3"}) qunsetenv(variable);
        if (rollOf("ORBELO_COM_TEST_HASAR_PAPER").isEmpty() || rollOf("ORBELO_COM_TEST_EPSON_PAPER").isEmpty())
            GTEST_SKIP() << "no virtual printers on COM1 and COM2 (scripts/windows maps them)";
        clock.set(QDateTime::currentDateTime());
        window = std::make_unique<FrmOrbelo>(hasar, epson, prompts, clock);
        wireOperations(*window);
        window->show();
    }

    void choose(const QString& model, int comPort) {
        window->cboListaImp->setCurrentIndex(window->cboListaImp->findText(model));
        ASSERT_EQ(window->cboListaImp->currentText(), model);
        window->cboPuerto->setCurrentIndex(comPort - 1);
    }

    qint64 timed(const std::function<void()>& action) {
        QElapsedTimer elapsed;
        elapsed.start();
        action();
        return elapsed.elapsed();
    }

    void xReport() { QTest::mouseClick(window->btnX, Qt::LeftButton); }
    void invoiceA() {
        window->txtCant->setText(QStringLiteral("1"));
        QTest::mouseClick(window->btnFacA, Qt::LeftButton);
        window->txtCantItems->setText(QStringLiteral("2"));
        QTest::mouseClick(window->btnAceptar, Qt::LeftButton);
    }

    Trace trace;
    RecordingPrompts prompts{trace};
    FixedClock clock;
    HasarDriver hasar{portDeviceName};
    EpsonDriver epson{portDeviceName};
    std::unique_ptr<FrmOrbelo> window;
};

TEST_F(ComPorts, EachBrandPrintsAnXReportAndAnInvoiceThatComeOutOnItsPaperRoll) {
    const struct {
        const char* name;
        QString model;
        int comPort;
        const char* paperVariable;
    } printers[] = {
        {"hasar", QStringLiteral("7 - Hasar PJ20"), 1, "ORBELO_COM_TEST_HASAR_PAPER"},
        {"epson", QStringLiteral("10 - Epson"), 2, "ORBELO_COM_TEST_EPSON_PAPER"},
    };
    for (const auto& printer : printers) {
        SCOPED_TRACE(printer.name);
        EXPECT_EQ(portDevice(printer.comPort).device, QStringLiteral("COM%1").arg(printer.comPort));
        const QString roll = rollOf(printer.paperVariable);
        const qsizetype before = paper(roll).size();
        choose(printer.model, printer.comPort);
        const qint64 xMs = timed([&] { xReport(); });
        const qint64 invoiceMs = timed([&] { invoiceA(); });
        EXPECT_TRUE(trace.lines().isEmpty()) << trace.lines().join(QLatin1Char('\n')).toStdString();
        trace.clear();
        RecordProperty(std::string(printer.name) + "_x_ms", static_cast<int>(xMs));
        RecordProperty(std::string(printer.name) + "_invoice_ms", static_cast<int>(invoiceMs));

        // The printer writes its roll as it prints; the last lines may trail the final reply.
        QStringList printed = titlesAfter(paper(roll), before);
        const QDeadlineTimer deadline(5000);
        while (printed.size() < 2 && !deadline.hasExpired()) {
            QTest::qWait(50);
            printed = titlesAfter(paper(roll), before);
        }
        ASSERT_EQ(printed.size(), 2) << printed.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(printed[0].startsWith(QStringLiteral("== INFORME X "))) << printed[0].toStdString();
        EXPECT_TRUE(printed[1].startsWith(QStringLiteral("== FACTURA A Nro 0001-"))) << printed[1].toStdString();
        // Every byte of the items crossed the port: both lines, their text whole.
        const QStringList items = paper(roll).mid(before).filter(QRegularExpression(QStringLiteral("^ITEM ")));
        ASSERT_EQ(items.size(), 2) << items.join(QLatin1Char('\n')).toStdString();
        for (const QString& item : items)
            EXPECT_TRUE(item.startsWith(QStringLiteral("ITEM Item de Prueba"))) << item.toStdString();
    }
}

// A printer that never answers is told as such once every opening request has had its time,
// not sooner and not much later (about 2 s after the button).
TEST_F(ComPorts, APortWithNoAnswerIsToldAsSuchAfterTheOpeningRequests) {
    choose(QStringLiteral("7 - Hasar PJ20"), 3);
    const qint64 ms = timed([&] { xReport(); });
    RecordProperty("silent_ms", static_cast<int>(ms));
    ASSERT_EQ(trace.lines().size(), 1) << trace.lines().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(trace.lines()[0].contains(QStringLiteral("error Nº 8007"))) << trace.lines()[0].toStdString();
    EXPECT_TRUE(trace.lines()[0].contains(QStringLiteral("COM3"))) << trace.lines()[0].toStdString();
    const LinkOptions link = hasar_choice::linkOptions();
    EXPECT_GE(ms, link.maxSends * link.probeReplyTimeoutMs);
    EXPECT_LT(ms, 10000);
}

}  // namespace
