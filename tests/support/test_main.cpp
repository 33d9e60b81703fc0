#include "app/port_device.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
    // Test discovery runs this binary at build time, with no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A stray quit must not make every later local event loop return at once.
    QApplication::setQuitOnLastWindowClosed(false);
    // The tester's own settings (ports assigned on this machine, the registry on Windows) must
    // neither leak into any test nor be written by one.
    QTemporaryDir settings;
    usePortSettingsFile(settings.filePath(QStringLiteral("orbelo.ini")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
