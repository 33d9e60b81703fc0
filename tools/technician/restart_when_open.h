#pragma once

#include "virtual_printer_process.h"

#include <QString>
#include <QTimer>

// Kills the printer and starts it again on its state file as soon as it has saved a document
// open, once, while the object lives: a printer switched off and on in the middle of a document.
class RestartWhenOpen {
public:
    // Watches only when `armed`; a failed start again is told in `error`.
    RestartWhenOpen(VirtualPrinterProcess& printer, bool armed, QString* error);
    void stop() { poll_.stop(); }

private:
    QTimer poll_;
};
