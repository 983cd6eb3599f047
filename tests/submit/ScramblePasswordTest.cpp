// The back-office password transform.
#include <gtest/gtest.h>

#include "submit/ScramblePassword.h"

namespace orelle {
namespace {

int Zero() { return 0; }

// A long password uses nineteen characters.
TEST(ScramblePasswordTest, AnEmptyPasswordIsZAndNineteenFillers) {
    const std::string s = ScramblePassword("");
    ASSERT_EQ(s.size(), 20u);
    EXPECT_EQ(s[0], 'Z');
    for (std::size_t i = 1; i < s.size(); ++i) {
        EXPECT_GE(s[i], '0');
        EXPECT_LE(s[i], '_');
    }
    EXPECT_EQ(ScramblePassword(std::string(20, 'a'), Zero),
              std::string(1, 'Z' - 19) + std::string(19, ';'));
}

TEST(ScramblePasswordTest, CharactersAreShiftedAndSwapped) {
    // "0V": '0' + 38 = 'V', 'V' - 38 = '0'; fillers from Zero are '0'.
    std::string expected(20, '0');
    expected[0] = 'X';
    expected[1] = 'V';
    expected[19] = '0';  // the second character, moved by the first swap
    EXPECT_EQ(ScramblePassword("0V", Zero), expected);

    // 'U' and characters outside the ranges stay; b[2] and b[19] swap.
    const std::string s = ScramblePassword("aU!", [] { return 47; });
    // 'Z' - 3, 'a' - 38, a filler from position 19, '!', and 'U' at 19.
    EXPECT_EQ(s.substr(0, 4) + s[19], "W;_!U");
}

}  // namespace
}  // namespace orelle
