#include "platform/text/ChineseLocale.h"

#include <gtest/gtest.h>

namespace orelle {
namespace {

// Regression: the add-photos dialog showed "KiB" and English month names.
TEST(ChineseLocale, SizesAndDatesAsAChineseDesktopShowsThem) {
    EXPECT_EQ(text::FileSizeText(512), "512 字节");
    EXPECT_EQ(text::FileSizeText(1536), "1.5 KB");
    EXPECT_EQ(text::FileSizeText(3u * 1024 * 1024), "3.0 MB");
    EXPECT_EQ(text::FileDateText(QDateTime(QDate(2026, 12, 8), QTime(10, 5))), "2026/12/8 10:05");
}

}  // namespace
}  // namespace orelle
