#pragma once
// The keys of the value pads, without a window: the quantity pad (kind 0)
// and the zoom pad (kind 1) have a 32-pixel header over rows of three keys
// of 77 x 55; the rotation strip (kind 3) is one row of three keys.
//
//   k = column + 3 * (row - 1):  0..8 digits 1..9, 9 clear, 10 digit 0,
//   11 OK; zoom pad only: 12 minus 5, 13 frame turn, 14 plus 5.

#include <optional>
#include <string>

namespace orelle {

inline constexpr int kQuantityPad = 0;
inline constexpr int kZoomPad = 1;
inline constexpr int kRotationStrip = 3;

inline constexpr int kZoomCommandBase = 30002;
inline constexpr int kQuantityCommandBase = 40001;
inline constexpr int kAngleCommandBase = 50001;

struct PadAnswer {
    std::optional<int> command;  // sent to the owner
    bool redrawHeader = false;   // the value shown changed
    bool close = false;
};

class ValuePadLogic {
  public:
    static constexpr int kWidth = 231;
    static constexpr int kHeaderHeight = 32;
    static constexpr int kKeyWidth = 77;
    static constexpr int kKeyHeight = 55;
    static constexpr int kDigitLimit = 9999;
    // The zoom range of the cell's commands ends at 30002 + 9998 (40000):
    // a larger zoom would reach the quantity range.
    static constexpr int kZoomMax = 9998;
    static constexpr int kZoomMin = 1;

    ValuePadLogic(int kind, const std::string& text);

    int Kind() const { return kind_; }
    int Value() const { return value_; }
    const std::string& Text() const { return text_; }
    bool Fresh() const { return fresh_; }

    int Width() const { return kWidth; }
    int Height() const;

    // The header counts as the first row: trunc((y - 32) / 55) + 1.
    static int HitRow(int y) { return (y - kHeaderHeight) / kKeyHeight + 1; }
    static int HitColumn(int x) { return x / kKeyWidth; }

    // A left press on the key at row and column as HitRow and HitColumn give them.
    PadAnswer Press(int row, int column);

  private:
    PadAnswer PressKey(int k);
    PadAnswer Digit(char d);
    PadAnswer Zero();
    PadAnswer Step(int delta);
    void SetValue(int value);
    int Limit() const { return kind_ == kZoomPad ? kZoomMax : kDigitLimit; }

    int kind_;
    int value_ = 0;
    std::string text_;
    bool fresh_ = true;
};

// The leading integer of a text as the system's atoi reads it: an optional
// sign and digits, 0 when there are none; clamped to the int32 range.
int LeadingInt(const std::string& text);

}  // namespace orelle
