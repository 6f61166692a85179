// Entry point of the widget tests: one QApplication for every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/Application.h"

int main(int argc, char* argv[]) {
    // Widget tests never need a display, also when ctest lists them at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    rdo::setUpApplication(app);    // the program's own language and look
    const QTemporaryDir settings;  // the player's own settings stay untouched
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QStandardPaths::setTestModeEnabled(true);  // and the player's recovery copies
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
