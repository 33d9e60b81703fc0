#include "printer_notices.h"

#include "drivers/epson/epson_driver.h"
#include "drivers/hasar/hasar_driver.h"
#include "frm_orbelo.h"

void connectPrinterNotices(FrmOrbelo& window, HasarDriver& hasar, EpsonDriver& epson) {
    for (Link* link : {&hasar.link(), &epson.link()})
        QObject::connect(link, &Link::held, &window, &FrmOrbelo::showPrinterHold);
    QObject::connect(&hasar.memoryNotice(), &HasarMemoryNotice::reported, &window,
                     &FrmOrbelo::showFiscalMemoryAlmostFull);
    // The notice is about the Hasar: once the Epson answers, the caption speaks of the Epson.
    QObject::connect(&epson.link(), &Link::replied, &window, [&window] { window.showFiscalMemoryAlmostFull(false); });
}
