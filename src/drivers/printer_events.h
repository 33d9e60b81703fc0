#pragma once

#include "printer_hold.h"

#include <QObject>
#include <QStringList>

class Link;
class PrinterConditions;

// What a printer tells beside its replies, for the window's caption: a command held long enough
// to say so, and the conditions that last in it. A driver feeds it from its link and its
// reading of the status words; a recording fake raises the signals itself.
class PrinterEvents : public QObject {
    Q_OBJECT

public:
    PrinterEvents() = default;
    PrinterEvents(Link& link, PrinterConditions& conditions);

signals:
    // The printer has held the current command long enough to tell, or (None) no longer does.
    void held(PrinterHold hold);
    // The caption's notice of each condition the last readable reply reports; empty when none.
    void conditionsReported(const QStringList& notices);
};
