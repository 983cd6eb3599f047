#include "orderdata/OrderNumberCheck.h"

#include <gtest/gtest.h>

namespace orelle {
namespace {

TEST(OrderNumberCheckTest, OnlyShortPrintableGbkNamesAFolder) {
    const struct {
        const char* number;
        bool usable;
    } cases[] = {
        {"00123456", true},
        {"0020150307001", true},
        {"01261208000001", true},
        {"00202612080001号", true},         // 16 bytes of GBK
        {"00癨", true},                     // its second byte 0x5C is no separator
        {"12345678901234567890", true},     // 20 bytes
        {"123456789012345678901", false},   // 21
        {"0012345678901234567号", false},   // 21 in GBK
        {"", false},
        {"0012\r\n3456", false},
        {"0012\t3456", false},
        {"00/123456", false},
        {"00\\123456", false},
        {"00😀123", false},                 // no GBK form
    };
    for (const auto& c : cases) EXPECT_EQ(IsUsableOrderNumber(c.number), c.usable) << c.number;
}

}  // namespace
}  // namespace orelle
