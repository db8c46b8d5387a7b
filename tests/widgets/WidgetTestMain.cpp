// Entry point of the widget tests: one QApplication for the whole run, on whatever platform the
// environment names (offscreen under ctest).

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Widget tests never need a display; ctest also lists them before it runs them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setFamilies({"IPAPGothic", "IPAGothic", font.family()});
    font.setPixelSize(12);
    QApplication::setFont(font);
    return RUN_ALL_TESTS();
}
