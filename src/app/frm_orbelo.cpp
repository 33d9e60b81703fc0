#include "frm_orbelo.h"

#include "drag_window.h"
#include "drivers/epson_printer.h"
#include "drivers/hasar_printer.h"
#include "form_builders.h"
#include "port_list.h"
#include "printer_selection.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QGuiApplication>
#include <QPainter>
#include <QTabWidget>
#include <QToolButton>

using form::twips;

namespace {

// The title-bar pictures: a bar to minimise, a cross to close, drawn in the caption colour.
QPixmap titleBarPicture(bool cross) {
    QPixmap picture(12, 12);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(QGuiApplication::palette().color(QPalette::HighlightedText), 2));
    if (cross) {
        painter.drawLine(1, 1, 10, 10);
        painter.drawLine(10, 1, 1, 10);
    } else {
        painter.drawLine(1, 10, 10, 10);
    }
    return picture;
}

}  // namespace

FrmOrbelo::FrmOrbelo(HasarPrinter& hasar, EpsonPrinter& epson, Prompts& prompts, Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      hasar_(hasar),
      epson_(epson),
      prompts_(prompts),
      clock_(clock) {
    setObjectName(QStringLiteral("frmOrbelo"));
    setWindowTitle(QStringLiteral("Orbelo"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(twips(0, 0, 11115, 9075).size());

    buildTitleBar();
    Tab = new QTabWidget(this);
    Tab->setObjectName(QStringLiteral("Tab"));
    Tab->setGeometry(twips(75, 360, 10980, 8655));
    auto* tests = new QWidget;
    auto* fiscalData = new QWidget;
    auto* dataEntry = new QWidget;
    Tab->addTab(tests, QStringLiteral("TEST DE IMPRESORES FISCALES"));
    Tab->addTab(fiscalData, QStringLiteral("DATOS FISCALES"));
    Tab->addTab(dataEntry, QStringLiteral("TOMAR/ENVIAR DATOS AL IMPRESOR FISCAL"));
    buildTestsPage(tests);
    buildFiscalDataPage(fiscalData);
    buildDataEntryPage(dataEntry);
    setTabOrder();

    fillLists();
    noteOperationButtons();
    // Either printer's reports reach the caption, so it speaks of the one that answered last.
    for (PrinterEvents* events : {&hasar.events(), &epson.events()}) {
        connect(events, &PrinterEvents::held, this, &FrmOrbelo::showPrinterHold);
        connect(events, &PrinterEvents::conditionsReported, this, &FrmOrbelo::showPrinterConditions);
    }
}

void FrmOrbelo::buildTitleBar() {
    auto panel = [this](const char* name, const QRect& at) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QString::fromLatin1(name));
        frame->setGeometry(at);
        frame->setFrameShape(QFrame::Panel);
        frame->setAutoFillBackground(true);
        frame->setBackgroundRole(QPalette::Highlight);
        return frame;
    };
    fmeTop = panel("fmeTop", twips(0, 0, 11175, 375));
    fmeLeft = panel("fmeLeft", twips(0, 360, 75, 8640));
    fmeRight = panel("fmeRight", twips(11040, 360, 75, 8640));
    fmeBottom = panel("fmeBottom", twips(0, 9000, 11175, 75));

    lblTitulo = form::label(fmeTop, QStringLiteral("lblTitulo"), QStringLiteral("Orbelo 1.0"), twips(120, 45, 9855, 255));
    lblTitulo->setForegroundRole(QPalette::HighlightedText);
    QFont bold = lblTitulo->font();
    bold.setBold(true);
    lblTitulo->setFont(bold);

    auto pictureButton = [this](const char* name, const QPixmap& picture, const QString& text, const QRect& at) {
        auto* b = new QToolButton(fmeTop);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(at);
        b->setIcon(picture);
        b->setAutoRaise(true);
        b->setToolTip(text);
        b->setAccessibleName(text);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    btnMinimizar = pictureButton("btnMinimizar", titleBarPicture(false), QStringLiteral("Minimizar"), twips(9960, 15, 435, 330));
    btnCerrar = pictureButton("btnCerrar", titleBarPicture(true), QStringLiteral("Cerrar"), twips(10350, 15, 705, 330));
    connect(btnMinimizar, &QToolButton::clicked, this, &QWidget::showMinimized);
    connect(btnCerrar, &QToolButton::clicked, this, &QWidget::close);
    new WindowDragger(this, {fmeTop, lblTitulo});
}

void FrmOrbelo::noteOperationButtons() {
    // Aceptar and Cancelar only confirm the document button pressed before them.
    for (QPushButton* b : {btnCargaLogo, btnCambioFechaHora, btnCancelarTodo, btnRemito, btnPruebaCuchilla,
                           btnAperturaCajon, btnRecibo, btnFacA, btnNCA, btnRepGlobal, btnFacB, btnNCB, btnX, btnZ,
                           btnTraeInfo, btnImprimir})
        connect(b, &QPushButton::clicked, this, [this, b] { operationCaption_ = b->text(); });
}

void FrmOrbelo::setTabOrder() {
    const QList<QWidget*> order = {cboPuerto,       txtCant,          cboListaImp,  btnCargaLogo,   btnCambioFechaHora,
                                   btnCancelarTodo, btnPruebaCuchilla, btnAperturaCajon, btnFacA,    btnNCA,
                                   btnRemito,       btnFacB,          btnNCB,       btnRecibo,      btnX,
                                   btnZ,            btnRepGlobal,     btnImprimir,  txtPrecinto,    btnTraeInfo,
                                   txtCantItems,    btnAceptar,       btnCancelar};
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void FrmOrbelo::fillLists() {
    for (int i = 1; i <= 4; ++i) cboPuerto->addItem(QLatin1Char(' ') + QString::number(i));
    cboPuerto->setCurrentIndex(0);
    describePortList(*cboPuerto);
    for (const QString& entry : kModelEntries) cboListaImp->addItem(entry);
    cboListaImp->setCurrentIndex(0);
}

void FrmOrbelo::showPrinterHold(PrinterHold hold) {
    hold_ = hold;
    showCaption();
}

void FrmOrbelo::showPrinterConditions(const QStringList& notices) {
    conditions_ = notices;
    showCaption();
}

void FrmOrbelo::setServiceMode(bool on) {
    serviceMode_ = on;
    showCaption();
}

void FrmOrbelo::showCaption() {
    const QString caption = serviceMode_ ? QStringLiteral("Orbelo 1.0 · modo servicio") : QStringLiteral("Orbelo 1.0");
    QString note;
    if (hold_ == PrinterHold::Busy) note = QStringLiteral(" · impresor ocupado…");
    if (hold_ == PrinterHold::NoPaper) note = QStringLiteral(" · sin papel: coloque papel para continuar");
    for (const QString& condition : conditions_) note += QStringLiteral(" · ") + condition;
    lblTitulo->setText(caption + note);
    setWindowTitle(note.isEmpty() && !serviceMode_ ? QStringLiteral("Orbelo") : caption + note);
}

void FrmOrbelo::setBusy(bool busy) {
    busy_ = busy;
    if (!busy_) showPrinterHold(PrinterHold::None);
    // A close asked for during the operation happens once the operation has unwound.
    if (!busy_ && closePending_) QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void FrmOrbelo::closeEvent(QCloseEvent* event) {
    if (!busy_) {
        event->accept();
        return;
    }
    closePending_ = true;
    if (abortHandler_) abortHandler_();
    event->ignore();
}
