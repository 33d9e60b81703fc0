#include "bench_window.h"

#include "short_link_limits.h"

#include "app/port_device.h"
#include "drivers/epson/epson_link.h"
#include "drivers/hasar/hasar_choices.h"
#include "program/operations.h"

#include <QComboBox>
#include <QGroupBox>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

QString writeLogo(const QTemporaryDir& dir) {
    QImage image(96, 32, QImage::Format_Mono);
    image.fill(0);
    for (int y = 8; y < 24; ++y)
        for (int x = 8; x < 88; ++x) image.setPixel(x, y, 1);
    const QString path = dir.filePath(QStringLiteral("logo.bmp"));
    image.save(path, "BMP");
    return path;
}

QPushButton* documentButton(FrmOrbelo& w, const QString& code) {
    if (code == QLatin1String("FA")) return w.btnFacA;
    if (code == QLatin1String("FB")) return w.btnFacB;
    if (code == QLatin1String("NCA")) return w.btnNCA;
    if (code == QLatin1String("NCB")) return w.btnNCB;
    if (code == QLatin1String("R")) return w.btnRemito;
    return w.btnRecibo;
}

// The 2G limits shrunk as the serial ones are: a reply lost costs a few seconds, not half a minute.
Hasar2gLimits shortNetworkLimits() {
    Hasar2gLimits limits;
    limits.connectMs = 1000;
    limits.replyMs = short_link_limits::kCommandLimitMs;
    limits.busyPollMs = 100;
    limits.busyLimitMs = 4000;
    limits.rereadMs = BenchWindow::kNetworkRereadMs;
    return limits;
}

}  // namespace

BenchWindow::BenchWindow(const QString& printerEntry)
    : serialHasar_(std::make_unique<SerialTransport>(portDeviceName), short_link_limits::applied(hasar_choice::linkOptions())),
      networkHasar_(portDeviceName, portCredentials, shortNetworkLimits()),
      hasar_(serialHasar_, networkHasar_, portDeviceName),
      epsonLine_(portDeviceName),
      epson_(epsonLine_, short_link_limits::applied(epsonLinkOptions())),
      window_(hasar_, epson_, prompts_, clock_) {
    prompts_.logoPath = writeLogo(dir_);
    wireOperations(window_);
    window_.cboListaImp->setCurrentIndex(window_.cboListaImp->findText(printerEntry));
    window_.cboPuerto->setCurrentIndex(0);
}

QString BenchWindow::operate(OperationKind kind, const QString& documentCode, int documents) {
    FrmOrbelo& w = window_;
    prompts_.errors.clear();
    prompts_.notices.clear();
    prompts_.questions.clear();
    w.txtCant->setText(QString::number(documents));
    switch (kind) {
    case OperationKind::TestDocument:
        documentButton(w, documentCode)->click();
        w.txtCantItems->setText(QStringLiteral("1"));
        w.btnAceptar->click();
        // A model that prints no test document leaves the prompt open: the technician closes it.
        if (w.fmeCantItems->isEnabled()) w.btnCancelar->click();
        break;
    case OperationKind::XReport: w.btnX->click(); break;
    case OperationKind::ZReport: w.btnZ->click(); break;
    case OperationKind::GlobalReport: w.btnRepGlobal->click(); break;
    case OperationKind::Drawer: w.btnAperturaCajon->click(); break;
    case OperationKind::Cutter: w.btnPruebaCuchilla->click(); break;
    case OperationKind::CancelAll: w.btnCancelarTodo->click(); break;
    case OperationKind::Clock: w.btnCambioFechaHora->click(); break;
    case OperationKind::Logo: w.btnCargaLogo->click(); break;
    case OperationKind::FiscalQuery: w.btnTraeInfo->click(); break;
    case OperationKind::FiscalDataPrintout: w.btnImprimir->click(); break;
    }
    return prompts_.errors.value(0);
}

void waitWithEvents(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

std::unique_ptr<QApplication> benchApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QApplication>(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return app;
}
