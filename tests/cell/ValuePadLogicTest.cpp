#include "cell/ValuePadLogic.h"

#include <gtest/gtest.h>

namespace orelle {
namespace {

// Presses keys by their index k = column + 3 * (row - 1).
PadAnswer PressKey(ValuePadLogic& pad, int k) { return pad.Press(k / 3 + 1, k % 3); }
constexpr int kClear = 9, kZero = 10, kOk = 11, kMinus = 12, kTurn = 13, kPlus = 14;
PadAnswer Digit(ValuePadLogic& pad, int d) { return PressKey(pad, d == 0 ? kZero : d - 1); }

TEST(ValuePadLogic, HitTestCountsTheHeaderAsTheFirstRow) {
    EXPECT_EQ(ValuePadLogic::HitRow(0), 1);  // trunc(-32 / 55) + 1
    EXPECT_EQ(ValuePadLogic::HitRow(31), 1);
    EXPECT_EQ(ValuePadLogic::HitRow(86), 1);
    EXPECT_EQ(ValuePadLogic::HitRow(87), 2);
    EXPECT_EQ(ValuePadLogic::HitColumn(230), 2);
    ValuePadLogic pad(kQuantityPad, "3");
    EXPECT_FALSE(pad.Press(0, 1).command);
    EXPECT_FALSE(pad.Press(1, -1).redrawHeader);
    EXPECT_EQ(pad.Text(), "3");
}

TEST(ValuePadLogic, FirstDigitReplacesThenDigitsAppendUpToFourAndClearStartsAfresh) {
    ValuePadLogic pad(kQuantityPad, "3");
    EXPECT_EQ(pad.Value(), 3);
    EXPECT_TRUE(Digit(pad, 5).redrawHeader);
    EXPECT_EQ(pad.Text(), "5");
    Digit(pad, 0);
    EXPECT_EQ(pad.Text(), "50");
    const PadAnswer ok = PressKey(pad, kOk);
    EXPECT_EQ(ok.command, 40051);
    EXPECT_TRUE(ok.close);

    ValuePadLogic nines(kQuantityPad, "1");
    for (int d : {9, 9, 9, 9}) Digit(nines, d);
    EXPECT_EQ(nines.Text(), "9999");
    EXPECT_FALSE(Digit(nines, 1).redrawHeader);
    EXPECT_EQ(nines.Text(), "9999");
    // The zero key appends and then cuts to four characters.
    ValuePadLogic zeros(kQuantityPad, "1");
    for (int d : {1, 2, 3, 4}) Digit(zeros, d);
    Digit(zeros, 0);
    EXPECT_EQ(zeros.Text(), "1234");
    EXPECT_EQ(PressKey(zeros, kOk).command, 40001 + 1234);

    ValuePadLogic cleared(kQuantityPad, "12");
    Digit(cleared, 7);
    Digit(cleared, 7);
    PressKey(cleared, kClear);
    EXPECT_EQ(cleared.Text(), "0");
    EXPECT_EQ(cleared.Value(), 0);
    EXPECT_TRUE(cleared.Fresh());
    Digit(cleared, 0);
    EXPECT_EQ(cleared.Text(), "0");
    Digit(cleared, 4);
    EXPECT_EQ(cleared.Text(), "4");
    EXPECT_EQ(PressKey(cleared, kOk).command, 40005);
}

TEST(ValuePadLogic, ZoomKeysSendAtOnceAndStayWithinTheZoomRange) {
    ValuePadLogic pad(kZoomPad, "100");
    PadAnswer a = PressKey(pad, kPlus);
    EXPECT_EQ(a.command, 30002 + 105);
    EXPECT_FALSE(a.close);
    EXPECT_EQ(pad.Text(), "105");
    EXPECT_EQ(PressKey(pad, kTurn).command, 30002);
    EXPECT_EQ(pad.Value(), 105);

    ValuePadLogic low(kZoomPad, "3");
    EXPECT_EQ(PressKey(low, kMinus).command, 30002 + 1);
    ValuePadLogic high(kZoomPad, "9997");
    EXPECT_EQ(PressKey(high, kPlus).command, 30002 + 9998);
    // Typed zooms stop below the quantity range too.
    ValuePadLogic typed(kZoomPad, "0");
    for (int d : {9, 9, 9, 9}) Digit(typed, d);
    EXPECT_EQ(typed.Text(), "999");
    EXPECT_EQ(PressKey(typed, kOk).command, 30002 + 999);
    // The quantity pad has no keys past OK.
    ValuePadLogic quantity(kQuantityPad, "2");
    EXPECT_FALSE(PressKey(quantity, kPlus).command);
}

TEST(ValuePadLogic, RotationStripTurnsModulo360) {
    const int expected[3] = {0, 270, 180};
    for (int column = 0; column < 3; ++column) {
        ValuePadLogic strip(kRotationStrip, "90");
        const PadAnswer a = strip.Press(ValuePadLogic::HitRow(20), column);
        EXPECT_EQ(strip.Value(), expected[column]);
        EXPECT_EQ(a.command, 50001 + expected[column]);
        EXPECT_FALSE(a.close);
    }
}

TEST(LeadingInt, ReadsAsAtoiDoes) {
    EXPECT_EQ(LeadingInt("42abc"), 42);
    EXPECT_EQ(LeadingInt("  -7"), -7);
    EXPECT_EQ(LeadingInt("abc"), 0);
    EXPECT_EQ(LeadingInt(""), 0);
    EXPECT_EQ(LeadingInt("99999999999"), 2147483647);
}

}  // namespace
}  // namespace orelle
