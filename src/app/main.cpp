#include "clock.h"
#include "drivers/unavailable_drivers.h"
#include "frm_orbelo.h"
#include "qt_prompts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbelo"));

    UnavailableHasar hasar;
    UnavailableEpson epson;
    QtPrompts prompts;
    SystemClock clock;
    FrmOrbelo window(hasar, epson, prompts, clock);
    prompts.setParent(&window);
    window.show();
    return QApplication::exec();
}
