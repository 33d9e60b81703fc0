#include "e2e_fixture.h"
#include "program/operations.h"

#include "drivers/epson/epson_link.h"
#include "drivers/hasar/hasar_choices.h"
#include "short_link_limits.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>

EndToEnd::EndToEnd()
    : hasar_(std::make_unique<SerialTransport>(portDeviceName, portSpeed), short_link_limits::applied(hasar_choice::linkOptions())),
      epson_(epsonLine_, short_link_limits::applied(epsonLinkOptions())) {}

void EndToEnd::start(const QStringList& hasarArguments, const QStringList& epsonArguments) {
    clock.set(QDateTime::currentDateTime());
    hasarPrinter = std::make_unique<VirtualPrinterProcess>(QStringLiteral("hasar"), hasarArguments);
    epsonPrinter = std::make_unique<VirtualPrinterProcess>(QStringLiteral("epson"), epsonArguments);
    ASSERT_TRUE(plugIn(*hasarPrinter, 1) && plugIn(*epsonPrinter, 2));
    window_ = std::make_unique<FrmOrbelo>(hasar_, epson_, prompts, clock);
    wireOperations(*window_);
    window_->show();
}

void EndToEnd::TearDown() {
    window_.reset();
    qunsetenv("ORBELO_COM1");
    qunsetenv("ORBELO_COM2");
    // A printer that ignores SIGTERM would not save its fiscal memory.
    for (const auto& printer : {hasarPrinter.get(), epsonPrinter.get()}) {
        if (printer) {
            EXPECT_TRUE(printer->stop()) << "the virtual printer did not stop on SIGTERM";
        }
    }
}

bool EndToEnd::plugIn(VirtualPrinterProcess& printer, int com) {
    QString error;
    if (!printer.start(&error)) {
        ADD_FAILURE() << error.toStdString();
        return false;
    }
    qputenv(QStringLiteral("ORBELO_COM%1").arg(com).toLatin1(), printer.device().toLocal8Bit());
    return true;
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

QString EndToEnd::toldCancelledLeftOpen(const QString& document) {
    const QString text = QStringLiteral("Se canceló %1, que había quedado sin terminar de una operación anterior. Si aún "
                                        "hace falta, repita esa operación.")
                             .arg(document);
    return QStringLiteral("Msg(%1,%2)").arg(Prompts::kInformation).arg(arg::q(text));
}
