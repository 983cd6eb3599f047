// The core tests' own main: pictures and fonts need a QGuiApplication, and
// nothing here may need more (the core has no widgets).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>

#include "support/OwnHome.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const orelle::testing::OwnHome home;  // outlives the application
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
