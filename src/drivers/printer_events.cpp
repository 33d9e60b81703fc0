#include "printer_events.h"

#include "drivers/link/link.h"
#include "printer_conditions.h"

PrinterEvents::PrinterEvents(Link& link, PrinterConditions& conditions) {
    connect(&link, &Link::held, this, &PrinterEvents::held);
    connect(&conditions, &PrinterConditions::reported, this, &PrinterEvents::conditionsReported);
}
