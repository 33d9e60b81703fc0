#include "clock.h"
#include "drivers/epson/epson_driver.h"
#include "drivers/hasar/hasar_driver.h"
#include "frm_orbelo.h"
#include "port_device.h"
#include "qt_prompts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbelo"));

    HasarDriver hasar(portDeviceName);
    EpsonDriver epson(portDeviceName);
    QtPrompts prompts;
    SystemClock clock;
    FrmOrbelo window(hasar, epson, prompts, clock);
    prompts.setParent(&window);
    // Closing the window mid-operation ends the printer's wait at once; nothing more is sent.
    window.setAbortHandler([&] {
        hasar.abort();
        epson.abort();
    });
    window.show();
    return QApplication::exec();
}
