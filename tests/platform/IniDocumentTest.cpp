#include "platform/ini/IniDocument.h"

#include <gtest/gtest.h>

namespace orelle {
namespace {

TEST(IniDocument, ReadsWithTheProfileRulesAndNamesIgnoringAsciiCase) {
    IniDocument doc = IniDocument::Parse(
        "; comment\r\n"
        "[Other]\r\n"
        "  InsertDB =  1  \r\n"
        "quoted=\"a b\"\r\n"
        "half=\"a\r\n"
        "noequals\r\n"
        "insertdb=2\r\n"
        "[other]\r\n"
        "late=3\r\n"
        "[empty]\n"
        "k=\n");
    EXPECT_EQ(doc.Get("OTHER", "insertdb").value(), "1");  // first key of the first section wins
    EXPECT_EQ(doc.Get("other", "quoted").value(), "a b");
    EXPECT_EQ(doc.Get("other", "half").value(), "\"a");
    EXPECT_FALSE(doc.Get("other", "late").has_value());  // a second section of the name is not read
    EXPECT_EQ(doc.Get("empty", "k").value(), "");
    EXPECT_FALSE(doc.Get("empty", "missing").has_value());
    EXPECT_FALSE(doc.Get("nosuch", "k").has_value());
    EXPECT_TRUE(doc.HasSection("EMPTY"));
    // Names ignore ASCII case only outside two-byte characters: 0xB9 0x41
    // is one GBK character whose trail byte is 'A': it must not match 0xB9 0x61.
    EXPECT_TRUE(IniNamesEqual("Paper", "pAPER"));
    EXPECT_FALSE(IniNamesEqual("\xB9\x41", "\xB9\x61"));
    EXPECT_TRUE(IniNamesEqual("\xB9\xE2x", "\xB9\xE2X"));
}

TEST(IniDocument, SettingKeepsEveryOtherLine) {
    IniDocument doc =
        IniDocument::Parse("; keep me\r\n[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\ngarbage\x01\r\n");
    doc.Set("A", "X", "10");              // existing key keeps its spelling and place
    doc.Set("a", "z", "3");               // new key after the section's last key, before the blank
    doc.Set("c", "w", "line1\r\nline2");  // new section at the end, line breaks flattened
    EXPECT_EQ(doc.Serialize(),
              "; keep me\r\n[a]\r\nx=10\r\nz=3\r\n\r\n[b]\r\ny=2\r\ngarbage\x01\r\n[c]\r\n"
              "w=line1  line2\r\n");
}

TEST(IniDocument, GarbageAndHugeLinesGetDefinedAnswers) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131 + 7) % 256);
    IniDocument g = IniDocument::Parse(garbage);
    EXPECT_FALSE(g.Get("prints", "printsnumb").has_value());
    (void)g.Serialize();

    const IniDocument h = IniDocument::Parse("[s]\r\nk=" + std::string(100000, 'v') + "\r\n" +
                                             std::string(100000, '[') + "\r\nafter=1\r\n");
    EXPECT_EQ(h.Get("s", "k")->size(), 100000u);
    EXPECT_EQ(h.Get("s", "after").value(), "1");
}

}  // namespace
}  // namespace orelle
