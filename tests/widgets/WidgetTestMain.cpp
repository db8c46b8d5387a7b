// Entry point of the widget tests: one QApplication for the whole run, on whatever platform the
// environment names (offscreen under ctest), with the program's font and style.

#include "platform/ProgramLook.h"

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Widget tests never need a display; ctest also lists them before it runs them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    tintora::UseProgramLook();
    return RUN_ALL_TESTS();
}
