#pragma once

#include "drivers/printer_hold.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

class Clock;
class EpsonPrinter;
class HasarPrinter;
class Prompts;

// The one window of the program: a borderless window with its own title bar and three pages.
// The controls are public because the operations are plain functions that read and write them,
// the way a technician sees them.
class FrmOrbelo : public QWidget {
    Q_OBJECT

public:
    FrmOrbelo(HasarPrinter& hasar, EpsonPrinter& epson, Prompts& prompts, Clock& clock, QWidget* parent = nullptr);

    HasarPrinter& hasar() { return hasar_; }
    EpsonPrinter& epson() { return epson_; }
    Prompts& prompts() { return prompts_; }
    Clock& clock() { return clock_; }

    // True while an operation runs; a second one does not start meanwhile.
    bool busy() const { return busy_; }
    void setBusy(bool busy);
    // Service mode: page 3 reads the printer and sends it the shop's texts; the caption says so.
    void setServiceMode(bool on);
    bool serviceMode() const { return serviceMode_; }
    // Information for the technician once the running operation has ended, after its own outcome.
    QStringList& noticesAtEnd() { return noticesAtEnd_; }
    // Called when the window is asked to close during an operation, so the drivers stop waiting.
    void setAbortHandler(std::function<void()> handler) { abortHandler_ = std::move(handler); }
    // Says in the title bar's caption, without a dialog and without taking focus, that the printer
    // holds the command (busy or out of paper); None puts the caption back.
    void showPrinterHold(PrinterHold hold);
    // Keeps in the caption, until told otherwise, what lasts in the printer that answered last
    // ("memoria fiscal casi llena: quedan 30 cierres Z o menos", "batería baja ...").
    void showPrinterConditions(const QStringList& notices);

    // The caption of the last operation button pressed, for the wire trace.
    const QString& operationCaption() const { return operationCaption_; }

    // The code of the last chosen test document: "FA", "FB", "NCA", "NCB", "R" or "RB".
    QString DocumentKind;

    // Title bar and border.
    QFrame* fmeTop = nullptr;
    QLabel* lblTitulo = nullptr;
    QToolButton* btnMinimizar = nullptr;
    QToolButton* btnCerrar = nullptr;
    QFrame* fmeLeft = nullptr;
    QFrame* fmeRight = nullptr;
    QFrame* fmeBottom = nullptr;
    QTabWidget* Tab = nullptr;

    // Page 1: printer tests.
    QComboBox* cboPuerto = nullptr;
    QLineEdit* txtCant = nullptr;
    QComboBox* cboListaImp = nullptr;
    QPushButton* btnCargaLogo = nullptr;
    QPushButton* btnCambioFechaHora = nullptr;
    QPushButton* btnCancelarTodo = nullptr;
    QPushButton* btnRemito = nullptr;
    QPushButton* btnPruebaCuchilla = nullptr;
    QPushButton* btnAperturaCajon = nullptr;
    QPushButton* btnRecibo = nullptr;
    QPushButton* btnFacA = nullptr;
    QPushButton* btnNCA = nullptr;
    QPushButton* btnRepGlobal = nullptr;
    QPushButton* btnFacB = nullptr;
    QPushButton* btnNCB = nullptr;
    QGroupBox* fmeCantItems = nullptr;
    QLineEdit* txtCantItems = nullptr;
    QPushButton* btnAceptar = nullptr;
    QPushButton* btnCancelar = nullptr;
    QPushButton* btnX = nullptr;
    QPushButton* btnZ = nullptr;

    // Page 2: fiscal data.
    QLabel* lblNroImpresor = nullptr;
    QLabel* lblRazSoc = nullptr;
    QLabel* lblCUIT = nullptr;
    QLabel* lblPtoVta = nullptr;
    QLabel* lblUltimaZ = nullptr;
    QLabel* lblUltimaFacA = nullptr;
    QLabel* lblUltimaFacB = nullptr;
    QLabel* lblUltimaNCA = nullptr;
    QLabel* lblUltimaNCB = nullptr;
    QLineEdit* txtPrecinto = nullptr;
    QPushButton* btnTraeInfo = nullptr;
    QPushButton* btnImprimir = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTitleBar();
    void buildTestsPage(QWidget* page);
    void buildFiscalDataPage(QWidget* page);
    void buildDataEntryPage(QWidget* page);
    void setTabOrder();
    void fillLists();
    void noteOperationButtons();

    HasarPrinter& hasar_;
    EpsonPrinter& epson_;
    Prompts& prompts_;
    Clock& clock_;
    void showCaption();

    bool busy_ = false;
    PrinterHold hold_ = PrinterHold::None;
    QStringList conditions_;
    bool serviceMode_ = false;
    bool closePending_ = false;
    QString operationCaption_;
    QStringList noticesAtEnd_;
    std::function<void()> abortHandler_;
};
