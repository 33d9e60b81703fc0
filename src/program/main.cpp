#include "app/clock.h"
#include "app/command_line.h"
#include "app/frm_orbelo.h"
#include "app/port_device.h"
#include "app/qt_prompts.h"
#include "app/qt_translations.h"
#include "drivers/epson/epson_driver.h"
#include "drivers/hasar/hasar_driver.h"
#include "drivers/hasar2g/hasar2g_driver.h"
#include "drivers/link/link_trace.h"
#include "app/parent_console.h"
#include "hasar_by_port.h"
#include "operations.h"
#include "servicedata/service_data.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    CommandLine command;
    {
        // Options that only print are answered before the window's application needs a display.
        const QCoreApplication reader(argc, argv);
        command = parseCommandLine(QCoreApplication::arguments());
    }
    if (command.action != CommandLine::Action::OpenWindow) {
        const ParentConsole console;
        return finishCommandLine(command);
    }

    QApplication app(argc, argv);
    loadQtTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Orbelo"));
    // The desktop matches the window to its menu entry and icon by this name.
    QApplication::setDesktopFileName(QStringLiteral("ar.orbelo.Orbelo"));
    QIcon icon;
    for (const int size : {48, 128, 256}) icon.addFile(QStringLiteral(":/icons/%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    if (!command.traceFile.isEmpty() && !link_trace::setFile(command.traceFile)) {
        const ParentConsole console;
        return finishCommandLine({CommandLine::Action::Refuse,
                                  QStringLiteral("no se puede escribir la traza en '%1'").arg(command.traceFile)});
    }

    HasarDriver serialHasar(portDeviceName, portSpeed);
    Hasar2gDriver networkHasar(portDeviceName, portCredentials);
    HasarByPort hasar(serialHasar, networkHasar, portDeviceName);
    EpsonDriver epson(portDeviceName, portSpeed);
    QtPrompts prompts;
    SystemClock clock;
    FrmOrbelo window(hasar, epson, prompts, clock);
    wireOperations(window);
    if (command.serviceMode) startServiceMode(window);
    prompts.setParent(&window);
    // Closing the window mid-operation ends the printer's wait at once; nothing more is sent.
    window.setAbortHandler([&] {
        serialHasar.abort();
        networkHasar.abort();
        epson.abort();
    });
    window.show();
    return QApplication::exec();
}
