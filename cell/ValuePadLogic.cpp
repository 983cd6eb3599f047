#include "cell/ValuePadLogic.h"

#include <algorithm>
#include <cstdint>

#include "platform/text/NumberText.h"

namespace orelle {

int LeadingInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    std::int64_t v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = std::min<std::int64_t>(v * 10 + (text[i] - '0'), std::int64_t{1} << 31);
    }
    if (negative) v = -v;
    return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

ValuePadLogic::ValuePadLogic(int kind, const std::string& text)
    : kind_(kind), value_(LeadingInt(text)), text_(text) {}

int ValuePadLogic::Height() const {
    if (kind_ == kRotationStrip) return kKeyHeight;
    return kKeyHeight * (kind_ == kZoomPad ? 6 : 5) - 23;
}

void ValuePadLogic::SetValue(int value) {
    value_ = value;
    text_ = text::IntText(value);
}

PadAnswer ValuePadLogic::Press(int row, int column) {
    if (kind_ == kRotationStrip) {
        static constexpr int kTurn[3] = {270, 180, 90};
        if (column < 0 || column > 2) return {};
        SetValue((value_ + kTurn[column]) % 360);
        return {kAngleCommandBase + value_, false, false};
    }
    if (row < 1 || column < 0 || column > 2) return {};
    return PressKey(column + 3 * (row - 1));
}

PadAnswer ValuePadLogic::PressKey(int k) {
    if (k >= 0 && k <= 8) return Digit(static_cast<char>('1' + k));
    switch (k) {
        case 9:
            text_.assign(1, '0');  // assigning a literal trips GCC 12's -Wrestrict
            value_ = 0;
            fresh_ = true;
            return {std::nullopt, true, false};
        case 10:
            return Zero();
        case 11:
            return {(kind_ == kZoomPad ? kZoomCommandBase : kQuantityCommandBase) + value_, false,
                    true};
        default:
            break;
    }
    if (kind_ != kZoomPad) return {};
    switch (k) {
        case 12:
            return Step(-5);
        case 13:
            return {kZoomCommandBase, false, false};
        case 14:
            return Step(5);
        default:
            return {};
    }
}

PadAnswer ValuePadLogic::Digit(char d) {
    std::string candidate = (text_ == "0" || fresh_) ? std::string() : text_;
    candidate.push_back(d);
    fresh_ = false;
    const int v = LeadingInt(candidate);
    if (v > Limit()) return {};
    text_ = candidate;
    value_ = v;
    return {std::nullopt, true, false};
}

PadAnswer ValuePadLogic::Zero() {
    std::string t = (text_ == "0" || fresh_) ? std::string() : text_;
    t.push_back('0');
    if (t.size() > 4) t.resize(4);
    fresh_ = false;
    text_ = t;
    value_ = LeadingInt(t);
    if (value_ > Limit()) SetValue(Limit());
    return {std::nullopt, true, false};
}

PadAnswer ValuePadLogic::Step(int delta) {
    SetValue(std::clamp(value_ + delta, kZoomMin, kZoomMax));
    return {kZoomCommandBase + value_, true, false};
}

}  // namespace orelle
