#include "platform/ini/Profile.h"

#include <gtest/gtest.h>

#include "platform/gbk/Gbk.h"
#include "support/MemoryFileSystem.h"

namespace orelle {
namespace {

using testing::MemoryFileSystem;

TEST(Profile, MissingFileSectionOrKeyGivesTheDefaultAsWindowsReadsIt) {
    MemoryFileSystem fs;
    Profile p("/none.ini", fs);
    EXPECT_EQ(p.GetString("a", "b", "def"), "def");
    EXPECT_EQ(p.GetInt("a", "b", 80), 80);
    fs.files["/s.ini"] = "[a]\r\nb=\r\n";
    Profile q("/s.ini", fs);
    EXPECT_EQ(q.GetString("a", "b", "def"), "");
    EXPECT_EQ(q.GetInt("a", "b", 80), 80);  // empty reads as missing
    EXPECT_EQ(q.GetString("a", "x", "def"), "def");
    // As Windows reads profiles: blanks that end a default go, and a line
    // may end in CR alone.
    EXPECT_EQ(p.GetString("p1", "papername", " "), "");
    EXPECT_EQ(p.GetString("a", "b", " x  "), " x");
    fs.files["/cr.ini"] = "[a]\rb=1\rc = two \r\n[d]\ne=3";
    Profile cr("/cr.ini", fs);
    EXPECT_EQ(cr.GetInt("a", "b", 0), 1);
    EXPECT_EQ(cr.GetString("a", "c", ""), "two");
    EXPECT_EQ(cr.GetInt("d", "e", 0), 3);
}

TEST(Profile, TextsAreCutToTheBufferAtACharacterBoundary) {
    MemoryFileSystem fs;
    // 258 ASCII bytes and then a two-byte character: the character would end
    // at byte 260, beyond the 259 that a 260-byte buffer holds.
    fs.files["/s.ini"] = "[a]\r\nk=" + std::string(258, 'x') + "\xB9\xE2" + "\r\n";
    Profile p("/s.ini", fs);
    EXPECT_EQ(p.GetString("a", "k", ""), std::string(258, 'x'));
    EXPECT_EQ(p.GetString("a", "k", "", 4), "xxx");
    // Values are converted from GBK, invalid bytes to '?'.
    fs.files["/t.ini"] = "[a]\r\nk=\xB9\xE2\xC3\xE6\xFF\r\n";
    EXPECT_EQ(Profile("/t.ini", fs).GetString("a", "k", ""), "光面?");
}

TEST(Profile, WritesReplaceTheFileAndKeepTheRest) {
    MemoryFileSystem fs;
    fs.dirs.insert("/d");
    fs.files["/d/p.ini"] = "; 注释\r\n[userinfo]\r\nuser=1\r\n";
    Profile p("/d/p.ini", fs);
    ASSERT_TRUE(p.WriteString("userinfo", "user", "张三"));
    ASSERT_TRUE(p.WriteStrings("new", {{"a", "1"}, {"b", ""}}));
    EXPECT_EQ(fs.files["/d/p.ini"], "; 注释\r\n[userinfo]\r\nuser=" + gbk::FromUtf8("张三") +
                                        "\r\n[new]\r\na=1\r\nb=\r\n");
    fs.refused.insert("/d/p.ini");
    EXPECT_FALSE(p.WriteString("userinfo", "user", "x"));
    EXPECT_FALSE(Profile("/nofolder/p.ini", fs).WriteString("a", "b", "c"));
}

}  // namespace
}  // namespace orelle
