#include "e2e_fixture.h"

#include "app/printer_notices.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>

void EndToEnd::start(const QStringList& hasarArguments) {
    clock.set(QDateTime::currentDateTime());
    hasarPrinter = std::make_unique<VirtualPrinterProcess>(QStringLiteral("hasar"), hasarArguments);
    epsonPrinter = std::make_unique<VirtualPrinterProcess>(QStringLiteral("epson"));
    ASSERT_TRUE(hasarPrinter->started() && epsonPrinter->started());
    qputenv("ORBELO_COM1", hasarPrinter->device().toLocal8Bit());
    qputenv("ORBELO_COM2", epsonPrinter->device().toLocal8Bit());
    window_ = std::make_unique<FrmOrbelo>(hasar_, epson_, prompts, clock);
    connectPrinterNotices(*window_, hasar_, epson_);
    window_->show();
}

void EndToEnd::TearDown() {
    window_.reset();
    qunsetenv("ORBELO_COM1");
    qunsetenv("ORBELO_COM2");
}

void EndToEnd::click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void EndToEnd::selectModel(const QString& entry) { w().cboListaImp->setCurrentIndex(w().cboListaImp->findText(entry)); }

QStringList EndToEnd::titles(const QStringList& paper) {
    QStringList out;
    for (const QString& line : paper) {
        if (line.startsWith(QStringLiteral("== ")) && !line.startsWith(QStringLiteral("== FIN ")) &&
            !line.startsWith(QStringLiteral("== CANCELADO ")))
            out << line;
    }
    return out;
}
