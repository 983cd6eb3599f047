#pragma once
// Where everything of a photo cell lies in its two views, and how its
// buttons are dressed. Rectangles are left, top, right, bottom in the
// cell's pixels.

#include <array>
#include <cstdint>

namespace orelle {

struct Ltrb {
    int left, top, right, bottom;
};

namespace cellid {
inline constexpr int kName = 1000;
inline constexpr int kSize = 1001;
inline constexpr int kPrintSize = 1244;
inline constexpr int kMinus = 1245;
inline constexpr int kQuantity = 1246;
inline constexpr int kPlus = 1247;
inline constexpr int kCropFill = 1248;
inline constexpr int kZoom = 1249;
inline constexpr int kRotation = 1250;
inline constexpr int kBack = 1251;
inline constexpr int kFreeCrop = 1252;
inline constexpr int kUp = 1253;
inline constexpr int kLeft = 1254;
inline constexpr int kRight = 1255;
inline constexpr int kDown = 1256;
inline constexpr int kDate = 1259;
}  // namespace cellid

namespace celllayout {
inline constexpr int kBigTop = 62;
inline constexpr int kBigHeight = 590;
inline constexpr Ltrb kSurfaceSmall{18, 19, 307, 233};
inline constexpr Ltrb kSurfaceBig{0, 0, 830, 590};
inline constexpr Ltrb kNameSmall{17, 2, 218, 17};
// Inside the window: the name label once reached past its right edge.
inline constexpr Ltrb kNameBig{831, 2, 1020, 18};
inline constexpr Ltrb kDateSmall{225, 3, 308, 18};
inline constexpr Ltrb kDateBig{831, 20, 914, 36};
// The small view's outline and photo area.
inline constexpr Ltrb kOutline{0, 0, 325, 294};
inline constexpr int kCornerEllipse = 20;
inline constexpr Ltrb kPhotoArea{19, 19, 307, 233};
inline constexpr Ltrb kBigPanel{831, 0, 1023, 590};
inline constexpr Ltrb kBigRegion{1, 0, 1022, 652};
inline constexpr int kFrameThickness = 5;
}  // namespace celllayout

// One button of the cell as it is set up: its places in the two views
// (small.left < 0: hidden in the small view; big.left < 0: hidden in the
// big view), its face, font, caption colour and first texts.
struct CellButtonSpec {
    int id;
    Ltrb small;
    Ltrb big;
    int face;
    int fontHeight;       // 0: the button's default
    bool whiteCaption;    // otherwise black, or the default with fontHeight 0
    const char* caption;  // UTF-8, may be empty
    const char* tooltip;
    bool autoRepeat;
};

inline constexpr Ltrb kHidden{-1, -1, -1, -1};

// The five row buttons, then the four moves, then the four tools, in the
// order the cell creates them.
inline constexpr std::array<CellButtonSpec, 13> kCellButtons{{
    {cellid::kPrintSize,
     {5, 234, 67, 290},
     {837, 56, 897, 116},
     1141,
     12,
     false,
     "冲印规格4.5*6",
     "",
     false},
    {cellid::kMinus,
     {68, 234, 130, 290},
     {837, 117, 897, 177},
     1143,
     16,
     true,
     "",
     "点击按1递减数量",
     false},
    {cellid::kQuantity, {131, 234, 193, 290}, {897, 117, 957, 177}, 1144, 16, false, "", "", false},
    {cellid::kPlus,
     {194, 234, 256, 290},
     {957, 117, 1017, 177},
     1142,
     16,
     true,
     "",
     "点击按1递增数量",
     false},
    {cellid::kCropFill,
     {257, 234, 319, 290},
     {957, 56, 1017, 116},
     1145,
     12,
     false,
     "裁 切",
     "当前如果为裁切模式时请移动照片上黄色取景框取景",
     false},
    {cellid::kUp, kHidden, {899, 205, 957, 265}, 1148, 0, false, "", "", true},
    {cellid::kLeft, kHidden, {837, 265, 897, 325}, 1143, 0, false, "", "", true},
    {cellid::kRight, kHidden, {957, 265, 1017, 325}, 1142, 0, false, "", "", true},
    {cellid::kDown, kHidden, {899, 325, 957, 385}, 1147, 0, false, "", "", true},
    {cellid::kBack, kHidden, {837, 400, 897, 460}, 1145, 12, false, "返回", "", false},
    {cellid::kFreeCrop, kHidden, kHidden, 1145, 12, false, "自由裁切", "", false},
    {cellid::kRotation, kHidden, {837, 460, 897, 520}, 1141, 12, false, "旋转度数0", "", false},
    {cellid::kZoom, kHidden, {957, 460, 1017, 520}, 1141, 12, false, "缩放比列100", "", false},
}};

// "自由裁切" is placed but never shown.
inline constexpr Ltrb kFreeCropPlace{957, 400, 1017, 460};

}  // namespace orelle
