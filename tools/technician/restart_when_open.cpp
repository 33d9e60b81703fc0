#include "restart_when_open.h"

namespace {
constexpr int kPollMs = 50;
}

RestartWhenOpen::RestartWhenOpen(VirtualPrinterProcess& printer, bool armed, QString* error) {
    if (!armed) return;
    QObject::connect(&poll_, &QTimer::timeout, [this, &printer, error] {
        if (!printer.savedWithDocumentOpen()) return;
        poll_.stop();
        printer.kill();
        printer.start(error);
    });
    poll_.start(kPollMs);
}
