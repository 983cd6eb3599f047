#include <gtest/gtest.h>

#include <QKeyEvent>

#include "orelle/KeyMessage.h"

namespace orelle {
namespace {

TEST(KeyMessageQtTest, QtKeysBecomeTheVirtualKeysOfTheHost) {
    const auto vk = [](int key, QEvent::Type type = QEvent::KeyPress) {
        return KeyMessageFromQt(QKeyEvent(type, key, Qt::NoModifier));
    };
    const std::pair<int, unsigned> keys[] = {{Qt::Key_Enter, kVkReturn}, {Qt::Key_PageUp, kVkPrior},
                                             {Qt::Key_Down, kVkDown},    {Qt::Key_O, kVkO},
                                             {Qt::Key_F3, kVkF3},        {Qt::Key_F5, kVkF5},
                                             {Qt::Key_Escape, 0u}};
    for (const auto& [key, virtualKey] : keys) EXPECT_EQ(vk(key).virtualKey, virtualKey) << key;
    EXPECT_EQ(vk(Qt::Key_Delete, QEvent::KeyRelease).message, kWmKeyUp);
}

}  // namespace
}  // namespace orelle
