#include <gtest/gtest.h>

#include <QApplication>

// Widgets need one QApplication for the whole run, made before any test. Without a platform
// named, the tests draw offscreen: listing them at build time has no display either.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
