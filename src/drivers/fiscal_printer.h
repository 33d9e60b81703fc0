#pragma once

#include "left_open.h"
#include "printer_events.h"
#include "service_text.h"

#include <QString>

// What the window needs alike of both brands' drivers, named alike by both (EpsonPrinter and
// HasarPrinter add each brand's own). Every call raises DriverError on failure.
class FiscalPrinter {
public:
    virtual ~FiscalPrinter() = default;

    // Holds and lasting conditions, as the printer reports them beside its replies.
    virtual PrinterEvents& events() = 0;

    virtual void OpenNonFiscalDocument() = 0;
    virtual void PrintNonFiscalText(const QString& line) = 0;
    virtual void CloseNonFiscalDocument() = 0;

    // Ends the document left open (an Epson cancels its ticket or ticket-invoice; a Hasar cancels
    // whatever is open, or closes what it cannot cancel, then issued when it holds a payment); says
    // which, with its number where the printer tells it, and nothing when none was open.
    virtual LeftOpen CancelAll() = 0;
    virtual void CutPaper() = 0;

    // The shop's texts the printer prints on every document (an Epson keeps no fantasy name and
    // tells none back). An empty text erases the line. CheckServiceText raises, naming the line,
    // what SetServiceText would refuse before sending.
    virtual void CheckServiceText(ServiceText kind, int line, const QString& text) = 0;
    virtual void SetServiceText(ServiceText kind, int line, const QString& text) = 0;
};
