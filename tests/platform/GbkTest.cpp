#include "platform/gbk/Gbk.h"

#include <gtest/gtest.h>

namespace orelle {
namespace {

TEST(Gbk, UnconvertibleOrMalformedInputGivesOneQuestionMarkASequence) {
    // A character GBK lacks gives one '?', not one per UTF-8 byte.
    EXPECT_EQ(gbk::FromUtf8("a\xF0\x9F\x98\x80z"), "a?z");
    // Malformed UTF-8 and a cut-off sequence at the end.
    EXPECT_EQ(gbk::FromUtf8("a\xC3(z"), "a?(z");
    EXPECT_EQ(gbk::FromUtf8("\xE5\x85"), "?");
    // A GBK lead byte without its trail byte, and a byte GBK never uses.
    EXPECT_EQ(gbk::ToUtf8("\xB9"), "?");
    EXPECT_EQ(gbk::ToUtf8("x\xFFy"), "x?y");
    EXPECT_EQ(gbk::FromUtf8("\xC0\x80"), "?");          // overlong NUL
    EXPECT_EQ(gbk::FromUtf8("\xED\xA0\x80x"), "?x");    // a surrogate
    EXPECT_EQ(gbk::FromUtf8("\x80\x80z"), "?z");        // stray continuation bytes
    EXPECT_EQ(gbk::FromUtf8("\xF4\x90\x80\x80"), "?");  // beyond U+10FFFF
}

TEST(Gbk, EveryTwoByteCharacterEncodesBackToItself) {
    // ToUtf8 is iconv's; FromUtf8 is the program's own table-driven encoder.
    int checked = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = gbk::ToUtf8(bytes);
            if (utf8.find('?') != std::string::npos) continue;  // an unassigned code
            ASSERT_EQ(gbk::FromUtf8(utf8), bytes) << lead << " " << trail;
            ++checked;
        }
    }
    EXPECT_GT(checked, 21000);
}

TEST(Gbk, LengthsAndCutsCountBytesAndNeverSplitACharacter) {
    EXPECT_EQ(gbk::Length("光面 6寸"), 8u);
    std::string out = "k=";
    gbk::AppendFromUtf8(out, "光");
    EXPECT_EQ(out, "k=\xB9\xE2");
    std::string bytes = gbk::FromUtf8("数码照片");  // 8 bytes
    for (const auto& [limit, cut] : {std::pair{8u, 8u}, {5u, 4u}, {1u, 0u}})
        EXPECT_EQ(gbk::CutPoint(bytes, limit), cut) << limit;
    EXPECT_EQ(gbk::CutPoint("ab\xB9\xE2", 3), 2u);
    EXPECT_EQ(gbk::CutToBytes("a数码", 4), "a数");
    EXPECT_EQ(gbk::CutToBytes("a数码", 5), "a数码");
    EXPECT_EQ(gbk::CutToBytes("abcdef", 4), "abcd");
}

}  // namespace
}  // namespace orelle
