// The tests' own main: widgets need a QApplication, and the tests run
// without a display.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "skin/SkinLook.h"
#include "support/OwnHome.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const orelle::testing::OwnHome home;  // outlives the application
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    orelle::InstallSkinFonts();
    return RUN_ALL_TESTS();
}
