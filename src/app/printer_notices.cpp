#include "printer_notices.h"

#include "drivers/epson/epson_driver.h"
#include "drivers/hasar/hasar_driver.h"
#include "frm_orbelo.h"

void connectPrinterNotices(FrmOrbelo& window, HasarDriver& hasar, EpsonDriver& epson) {
    for (Link* link : {&hasar.link(), &epson.link()})
        QObject::connect(link, &Link::held, &window, &FrmOrbelo::showPrinterHold);
    // Each reply tells its printer's conditions, so the caption speaks of the printer that answered last.
    for (PrinterConditions* conditions : {&hasar.conditions(), &epson.conditions()})
        QObject::connect(conditions, &PrinterConditions::reported, &window, &FrmOrbelo::showPrinterConditions);
}
