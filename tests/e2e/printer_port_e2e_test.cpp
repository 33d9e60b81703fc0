#include "e2e_fixture.h"

#include "drivers/link/link_trace.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using PrinterPortEndToEnd = EndToEnd;

// An Epson on USB is /dev/usb/lpN: no line settings, the same protocol. The virtual printer is
// reached through a link of that name, and the trace shows the port was opened as a printer port.
TEST_F(PrinterPortEndToEnd, AnEpsonOnAUsbPrinterPortPrintsTheXReport) {
    start();
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("usb")));
    const QString lp = dir.filePath(QStringLiteral("usb/lp0"));
    ASSERT_TRUE(QFile::link(epsonPrinter->device(), lp));
    qputenv("ORBELO_COM2", lp.toLocal8Bit());
    const QString tracePath = dir.filePath(QStringLiteral("traza.txt"));
    ASSERT_TRUE(link_trace::setFile(tracePath));

    selectModel(kEpson);
    w().cboPuerto->setCurrentIndex(1);
    w().txtCant->setText(QStringLiteral("1"));
    click(w().btnX);
    link_trace::setFile(QString());

    EXPECT_TRUE(trace.lines().isEmpty()) << trace.lines().join(QLatin1Char('\n')).toStdString();
    const QStringList printed = titles(epsonPrinter->paper());
    ASSERT_EQ(printed.size(), 1) << printed.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(printed[0].startsWith(QStringLiteral("== INFORME X")));
    QFile written(tracePath);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString lines = QString::fromUtf8(written.readAll());
    EXPECT_TRUE(lines.contains(QStringLiteral("COM2 (%1 · impresora USB) abierto como impresora USB, sin ajustes de línea").arg(lp)))
        << lines.toStdString();
    EXPECT_FALSE(lines.contains(QStringLiteral("baudios, 8N1"))) << lines.toStdString();
}

}  // namespace
