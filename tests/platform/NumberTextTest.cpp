#include <clocale>

#include <gtest/gtest.h>

#include "platform/ini/ProfileNumber.h"
#include "platform/text/NumberText.h"
#include "platform/text/SingleLine.h"

namespace orelle {
namespace {

TEST(ProfileNumber, ReadsAsTheProfileFunctionsDo) {
    const std::pair<const char*, std::int32_t> ints[] = {{"42", 42},
                                                         {"  -7", -7},
                                                         {"+5", 5},
                                                         {"12abc", 12},
                                                         {"abc", 0},
                                                         {"", 0},
                                                         {"0x1F", 31},
                                                         {"0o17", 15},
                                                         {"0b101", 5},
                                                         {"4294967297", 1},
                                                         {"-2147483648", INT32_MIN},
                                                         {"99999999999999999999", 1661992959}};
    for (const auto& [text, value] : ints) EXPECT_EQ(ParseProfileInt(text), value) << text;
    // Decimals read as atof does.
    const std::pair<const char*, double> decimals[] = {{"4.5", 4.5}, {" -1", -1.0},  {"6in", 6.0},
                                                       {"abc", 0.0}, {"1e999", 0.0}, {".5", 0.5}};
    for (const auto& [text, value] : decimals) EXPECT_DOUBLE_EQ(ParseDecimal(text), value) << text;
}

TEST(NumberText, FixedPointIgnoresTheProcessLocaleAndLinesBreakNoMore) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // may be absent; the C locale then stays
    EXPECT_EQ(text::FixedText(3.5, 2), "3.50");
    EXPECT_EQ(text::FixedText(2.675, 2), "2.67");  // as printf: 2.675 is stored just below
    EXPECT_EQ(text::FixedText(-12.345, 2), "-12.35");
    EXPECT_EQ(text::FixedText(1.0 / 0.0, 2), "0.00");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(text::IntText(-2147483647 - 1), "-2147483648");
    // Every line break becomes a space.
    EXPECT_EQ(text::SingleLine("line 1\r\nline 2\nx\ry"), "line 1  line 2 x y");
}

}  // namespace
}  // namespace orelle
