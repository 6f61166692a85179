// Entry point of the widget tests: one QApplication for every test.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/Application.h"
#include "tests/support/TemporarySettings.h"

int main(int argc, char* argv[]) {
    // Widget tests never need a display, also when ctest lists them at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const rdo::test::TemporarySettings settings;
    QApplication app(argc, argv);
    rdo::setUpApplication(app);  // the program's own language and look
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
