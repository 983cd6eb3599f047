#include <gtest/gtest.h>

#include <QKeyEvent>

#include "orelle/KeyMessage.h"

namespace orelle {
namespace {

TEST(KeyMessageQtTest, QtKeysBecomeTheVirtualKeysOfTheHost) {
    const auto vk = [](int key, QEvent::Type type = QEvent::KeyPress) {
        return KeyMessageFromQt(QKeyEvent(type, key, Qt::NoModifier));
    };
    EXPECT_EQ(vk(Qt::Key_Enter).virtualKey, kVkReturn);
    EXPECT_EQ(vk(Qt::Key_PageUp).virtualKey, kVkPrior);
    EXPECT_EQ(vk(Qt::Key_Down).virtualKey, kVkDown);
    EXPECT_EQ(vk(Qt::Key_O).virtualKey, kVkO);
    EXPECT_EQ(vk(Qt::Key_F3).virtualKey, kVkF3);
    EXPECT_EQ(vk(Qt::Key_F5).virtualKey, kVkF5);
    EXPECT_EQ(vk(Qt::Key_Escape).virtualKey, 0u);
    EXPECT_EQ(vk(Qt::Key_Delete, QEvent::KeyRelease).message, kWmKeyUp);
}

}  // namespace
}  // namespace orelle
