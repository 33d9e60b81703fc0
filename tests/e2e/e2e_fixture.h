#pragma once

#include "support/recording_prompts.h"
#include "support/trace.h"

#include "app/frm_orbelo.h"
#include "app/port_device.h"
#include "drivers/epson/epson_driver.h"
#include "drivers/hasar/hasar_driver.h"
#include "drivers/link/serial_transport.h"
#include "virtual_printer_process.h"

#include <gtest/gtest.h>

#include <memory>

class QAbstractButton;

// The entries of the model list the tests pick most: a slip Hasar that issues every document, and the Epson.
inline const QString kP320 = QStringLiteral("8 - Hasar P320/PL-8/PL-9/PL-23/P321/P322/P330/320/P425/2008");
inline const QString kEpson = QStringLiteral("10 - Epson");

// The real window on the real drivers, on the short link limits, talking over pseudo-terminals
// to virtual printers: a Hasar printer on COM1 and an Epson printer on COM2.
class EndToEnd : public ::testing::Test {
protected:
    EndToEnd();
    // Starts the printers with these extra arguments and opens the window.
    void start(const QStringList& hasarArguments = {}, const QStringList& epsonArguments = {});
    void TearDown() override;
    // Starts the printer and points COM `com` at it; false, with the test failed, when it does not start.
    static bool plugIn(VirtualPrinterProcess& printer, int com);

    FrmOrbelo& w() { return *window_; }
    void click(QAbstractButton* button);
    void selectModel(const QString& entry);
    // Lines of the paper roll that open a document or report ("== ... ==", not the closing ones).
    static QStringList titles(const QStringList& paper);
    // The information shown at the end of an operation that found this document ("FACTURA A Nº
    // 0001-00000002") left open by an earlier one and cancelled it, as the trace records it.
    static QString toldCancelledLeftOpen(const QString& document);

    Trace trace;  // the prompts only: messages shown and dialogs opened
    RecordingPrompts prompts{trace};
    FixedClock clock;
    std::unique_ptr<VirtualPrinterProcess> hasarPrinter;
    std::unique_ptr<VirtualPrinterProcess> epsonPrinter;

private:
    HasarDriver hasar_;
    SerialTransport epsonLine_{portDeviceName, portSpeed};
    EpsonDriver epson_;
    std::unique_ptr<FrmOrbelo> window_;
};
