#pragma once

#include "app/clock.h"
#include "app/frm_orbelo.h"
#include "app/prompts.h"
#include "drivers/epson/epson_driver.h"
#include "drivers/hasar/hasar_driver.h"
#include "drivers/hasar2g/hasar2g_driver.h"
#include "drivers/link/serial_transport.h"
#include "program/hasar_by_port.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// The operations of the window a technician runs on a bench.
enum class OperationKind {
    TestDocument,
    XReport,
    ZReport,
    GlobalReport,
    Drawer,
    Cutter,
    CancelAll,
    Clock,
    Logo,
    FiscalQuery,
    FiscalDataPrintout,
};

// The window's questions answered as a technician would: the logo file when asked for one;
// the error texts, the other notices and the questions kept in order.
class TechnicianPrompts : public Prompts {
public:
    QString logoPath;
    QStringList errors;
    QStringList notices;
    QStringList questions;

    void message(int style, const QString& text) override { (style == kCritical ? errors : notices) << text; }
    // A printer at another speed is not among the faults a bench meets here: nothing is changed.
    bool ask(const QString& text) override {
        questions << text;
        return false;
    }
    QString openFile() override { return logoPath; }
};

// The real window on the real drivers with the short link limits, its first printer port reached
// through ORBELO_COM1 (a device, or a 2G Hasar's address), the printer chosen by its list entry,
// and a logo file at hand.
class BenchWindow {
public:
    // How long the 2G driver keeps reading a printer again after a lost reply, on the bench.
    static constexpr int kNetworkRereadMs = 4000;

    explicit BenchWindow(const QString& printerEntry);
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    // What the technician does to run the operation once (a test document of `documentCode`, "FA",
    // "NCB", ... with one item, `documents` of them); the first error text shown, if any.
    QString operate(OperationKind kind, const QString& documentCode = {}, int documents = 1);
    // CANCELAR COMPROBANTE; the first error text shown, if any.
    QString cancelAll() { return operate(OperationKind::CancelAll); }
    const TechnicianPrompts& prompts() const { return prompts_; }

private:
    QTemporaryDir dir_;
    HasarDriver serialHasar_;
    Hasar2gDriver networkHasar_;
    HasarByPort hasar_;
    SerialTransport epsonLine_;
    EpsonDriver epson_;
    TechnicianPrompts prompts_;
    SystemClock clock_;
    FrmOrbelo window_;
};

// Lets the event loop run for `ms` (the printer's fault wears off meanwhile).
void waitWithEvents(int ms);

// The application a bench tool runs the window in: offscreen unless a platform is set, and never
// quitting when a window closes (a stray quit would end every later wait at once).
std::unique_ptr<QApplication> benchApplication(int& argc, char** argv);
