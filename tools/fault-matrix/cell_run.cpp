#include "cell_run.h"

#include "short_link_limits.h"
#include "virtual_printer_process.h"

#include "app/clock.h"
#include "app/frm_orbelo.h"
#include "app/port_device.h"
#include "app/prompts.h"
#include "drivers/epson/epson_driver.h"
#include "drivers/epson/epson_link.h"
#include "drivers/hasar/hasar_choices.h"
#include "drivers/hasar/hasar_driver.h"
#include "drivers/link/serial_transport.h"
#include "program/operations.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

using Kind = MatrixOperation::Kind;

// The window's questions answered as a technician would: the logo file when asked for one;
// the error texts kept in order.
class MatrixPrompts : public Prompts {
public:
    QString logoPath;
    QStringList errors;

    void message(int style, const QString& text) override {
        if (style == kCritical) errors << text;
    }
    // A printer at another speed is not among the matrix's faults: nothing is changed.
    bool ask(const QString&) override { return false; }
    QString openFile() override { return logoPath; }
};

constexpr int kPowerCyclePollMs = 50;

// Whether the printer's last save holds a document open, read without stopping it.
bool savedWithDocumentOpen(const VirtualPrinterProcess& printer) {
    QFile file(printer.stateFile());
    if (!file.open(QIODevice::ReadOnly)) return false;
    return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("open_document")).isObject();
}

void pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QPushButton* documentButton(FrmOrbelo& w, const QString& code) {
    if (code == QLatin1String("FA")) return w.btnFacA;
    if (code == QLatin1String("FB")) return w.btnFacB;
    if (code == QLatin1String("NCA")) return w.btnNCA;
    if (code == QLatin1String("NCB")) return w.btnNCB;
    if (code == QLatin1String("R")) return w.btnRemito;
    return w.btnRecibo;
}

// What the technician does to run the operation once; the first error text shown, if any.
QString operate(FrmOrbelo& w, MatrixPrompts& prompts, const MatrixOperation& op) {
    prompts.errors.clear();
    w.txtCant->setText(QStringLiteral("1"));
    switch (op.kind) {
    case Kind::TestDocument:
        documentButton(w, op.documentCode)->click();
        w.txtCantItems->setText(QStringLiteral("1"));
        w.btnAceptar->click();
        break;
    case Kind::XReport: w.btnX->click(); break;
    case Kind::ZReport: w.btnZ->click(); break;
    case Kind::FiscalDataPrintout: w.btnImprimir->click(); break;
    case Kind::Logo: w.btnCargaLogo->click(); break;
    }
    return prompts.errors.value(0);
}

QString writeLogo(const QTemporaryDir& dir) {
    QImage image(96, 32, QImage::Format_Mono);
    image.fill(0);
    for (int y = 8; y < 24; ++y)
        for (int x = 8; x < 88; ++x) image.setPixel(x, y, 1);
    const QString path = dir.filePath(QStringLiteral("logo.bmp"));
    image.save(path, "BMP");
    return path;
}

}  // namespace

CellResult runCell(const QString& printerProgram, const MatrixOperation& op, const MatrixFault& fault, int expected) {
    CellResult result{op.name, fault.name, {}, {}, {}, {}};
    QTemporaryDir dir;
    QStringList arguments;
    if (op.model != 0) arguments << QStringLiteral("--model") << QString::number(op.model);
    arguments << fault.printerOptions;
    const int closings = op.kind == Kind::Logo ? 1 : qMax(expected, 1);
    VirtualPrinterProcess printer(op.brand, arguments + fault.arguments(op.closing, closings, op.middle), printerProgram);
    if (!printer.start(&result.setupError)) return result;
    qputenv("ORBELO_COM1", printer.device().toLocal8Bit());

    // What the operation has issued so far: documents on the roll, or the stored logo.
    const auto issued = [&] {
        if (op.kind != Kind::Logo) return printer.finishedDocuments();
        const bool wasRunning = printer.running();
        const QJsonValue logo = printer.state().value(QStringLiteral("logo"));
        const bool stored = !logo.isUndefined() && !logo.isNull();
        QString ignored;
        if (wasRunning) printer.start(&ignored);
        return stored ? 1 : 0;
    };

    {
        HasarDriver hasar(std::make_unique<SerialTransport>(portDeviceName), short_link_limits::applied(hasar_choice::linkOptions()));
        SerialTransport epsonLine(portDeviceName);
        EpsonDriver epson(epsonLine, short_link_limits::applied(epsonLinkOptions()));
        MatrixPrompts prompts;
        prompts.logoPath = writeLogo(dir);
        SystemClock clock;
        FrmOrbelo w(hasar, epson, prompts, clock);
        wireOperations(w);
        w.cboListaImp->setCurrentIndex(w.cboListaImp->findText(op.entry));
        w.cboPuerto->setCurrentIndex(0);

        // Killed and started again as soon as it has saved the document open; once.
        QTimer powerCycle;
        if (fault.restartMidDocument) {
            QObject::connect(&powerCycle, &QTimer::timeout, [&] {
                if (!savedWithDocumentOpen(printer)) return;
                powerCycle.stop();
                printer.kill();
                printer.start(&result.setupError);
            });
            powerCycle.start(kPowerCyclePollMs);
        }
        QElapsedTimer sinceStart;
        sinceStart.start();
        result.firstError = operate(w, prompts, op);
        powerCycle.stop();
        CellFacts& f = result.facts;
        f.expected = expected < 0 ? 0 : expected;
        f.first = classify(result.firstError);
        f.issuedAtError = issued();
        f.last = f.first;

        // The technician plugs the printer (back) in, or loads paper and waits, before anything else.
        if (fault.reconnect) printer.start(&result.setupError);
        if (const qint64 left = fault.settleMs - sinceStart.elapsed(); left > 0) pause(int(left));

        TechnicianStep step = stepAfter(f.first);
        if (step == TechnicianStep::CheckThenRepeat)
            step = issued() >= f.expected && f.expected > 0 ? TechnicianStep::Nothing : TechnicianStep::Repeat;
        if (step == TechnicianStep::Repeat && expected >= 0) f.last = classify(operate(w, prompts, op));
        if (step == TechnicianStep::FinishWithCancel) {
            prompts.errors.clear();
            w.btnCancelarTodo->click();
            f.last = classify(prompts.errors.value(0));
        }
    }
    printer.stop();
    result.facts.issuedAtEnd = issued();
    if (expected < 0) result.facts.expected = result.facts.issuedAtEnd;
    result.verdict = judge(result.facts);
    return result;
}
