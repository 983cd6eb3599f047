#include "cell/FrameGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <utility>

#include "orderdata/PhotoList.h"
#include "orderdata/PrintCatalogue.h"

namespace orelle {

void PrintTo(const PixelRect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

// Expected values are worked out by hand from the lab's integer rules.
constexpr std::int32_t kFourBySix = 0;
constexpr std::int32_t kFloatHundredths = 1;  // 5.1 inches: 510 as a float product, 509 in double
constexpr std::int32_t kZeroWidth = 2;
constexpr std::int32_t kZeroHeight = 3;
constexpr std::int32_t kNegativeWidth = 4;
constexpr std::int32_t kNegativeHeight = 5;
constexpr std::int32_t kUnderAHundredth = 6;

PrintCatalogue Sizes() {
    PrintCatalogue c;
    c.Append({"C6", "6寸", 4, 6, 0, 0});
    c.Append({"C5", "5寸", 5.1f, 3.5f, 0, 0});
    c.Append({"Z1", "", 0, 6, 0, 0});
    c.Append({"Z2", "", 4, 0, 0, 0});
    c.Append({"N1", "", -4, 6, 0, 0});
    c.Append({"N2", "", 4, -6, 0, 0});
    c.Append({"T1", "", 0.004f, 6, 0, 0});
    return c;
}

void ExpectCrop(const CropRect& c, const CropRect& want) {
    EXPECT_EQ((std::array{c.left, c.top, c.width, c.height}),
              (std::array{want.left, want.top, want.width, want.height}));
}

class FrameGeometryTest : public ::testing::Test {
  protected:
    FrameGeometryTest() {
        list.Append(std::make_unique<PhotoRecord>());
        geom.SetSurfaceSize(289, 214);
    }

    RefreshResult Show(std::int32_t mode, std::int32_t w, std::int32_t h,
                       std::int32_t spec = kFourBySix, std::int32_t scale = 100,
                       std::int32_t angle = 0) {
        PhotoRecord r;
        r.operate = mode;
        r.specIndex = spec;
        r.scale = scale;
        r.angle = angle;
        geom.LoadFromRecord(r, w, h);
        return geom.Refresh();
    }
    const PhotoRecord& Stored() const { return list.At(0); }

    PrintCatalogue catalogue = Sizes();
    PhotoList list;
    FrameGeometry geom{&catalogue, &list};
};

// Portrait: 142 x 214 is 400 : 600 cut to whole pixels, and 214 rows of the
// display are 1605 photo rows: the crop is held to the photo's 1600 and
// keeps its shape. Zoomed: the 3200 x 2400 photo, cut to its centre.
TEST_F(FrameGeometryTest, WorkedExamplesLayOutThePhotoTheFrameAndTheCrop) {
    struct Case {
        std::int32_t mode, w, h;
        PixelRect image, frame;
        CropRect crop;
    };
    const Case cases[] = {
        {kModeCrop, 1600, 1200, {2, 0, 287, 214}, {2, 12, 287, 202}, {0, 67, 1600, 1066}},
        {kModeCrop, 1200, 1600, {64, 0, 224, 214}, {73, 0, 215, 214}, {67, 0, 1061, 1600}},
        {kModeZoom, 1600, 1200, {-141, -107, 429, 321}, {2, 12, 287, 202}, {802, 668, 1600, 1066}},
        {kModeWhiteFill, 1600, 1200, {16, 11, 272, 203}, {0, 11, 289, 203}, {100, 0, 1806, 1200}},
        {kModeBlackFill, 1600, 1200, {16, 11, 272, 203}, {0, 11, 289, 203}, {100, 0, 1806, 1200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " " << c.w << "x" << c.h);
        const RefreshResult res =
            Show(c.mode, c.w, c.h, kFourBySix, c.mode == kModeZoom ? 200 : 100);
        ASSERT_TRUE(res.done);
        EXPECT_EQ(geom.imageRect, c.image);
        EXPECT_EQ(geom.frameRect, c.frame);
        ExpectCrop(res.crop, c.crop);
        ExpectCrop(Stored().rcDst, c.crop);
        const bool fill = c.mode == kModeWhiteFill || c.mode == kModeBlackFill;
        EXPECT_EQ(res.layers.paperColour, c.mode == kModeWhiteFill   ? PaperColour::kWhite
                                          : c.mode == kModeBlackFill ? PaperColour::kBlack
                                                                     : PaperColour::kNone);
        EXPECT_EQ(res.layers.paper, fill ? c.frame : PixelRect{});
        EXPECT_EQ(res.layers.photo, geom.imageRect);
    }
    const RefreshResult res = Show(kModeCrop, 1600, 1200);
    EXPECT_EQ(res.layers.frame, geom.frameRect);
    const std::array<PixelRect, 4> outline{PixelRect{0, 0, 285, 2}, PixelRect{0, 0, 2, 190},
                                           PixelRect{0, 188, 285, 190},
                                           PixelRect{283, 0, 285, 190}};
    EXPECT_EQ(res.layers.frameOutline, outline);
    // 350 : 510 across 214 rows is 146 wide; 350 : 509 would give 147.
    Show(kModeCrop, 1600, 1200, kFloatHundredths);
    EXPECT_EQ(geom.frameRect.Width(), 146);
}

// Regression: untouched frames reached up to 6 pixels past the photo.
TEST_F(FrameGeometryTest, UntouchedFramesStayOnThePhotoInThePrintsShape) {
    for (const std::int32_t spec : {kFourBySix, kFloatHundredths}) {
        for (const auto& [w, h] :
             std::initializer_list<std::pair<std::int32_t, std::int32_t>>{{1200, 1600},
                                                                          {1600, 1200},
                                                                          {1067, 1600},
                                                                          {2400, 1000},
                                                                          {1000, 2400},
                                                                          {4000, 3000},
                                                                          {3024, 4032},
                                                                          {1600, 1067},
                                                                          {640, 480},
                                                                          {1200, 1200}}) {
            const RefreshResult res = Show(kModeCrop, w, h, spec);
            const CropRect& c = res.crop;
            SCOPED_TRACE(testing::Message() << w << "x" << h << " spec " << spec);
            EXPECT_GE(c.left, 0);
            EXPECT_GE(c.top, 0);
            EXPECT_LE(c.left + c.width, w);
            EXPECT_LE(c.top + c.height, h);
            ExpectCrop(Stored().rcDst, c);
            // The print's shape, within the frame's rounding to display
            // pixels: the long side of the crop over its short side.
            const double print = spec == kFourBySix ? 600.0 / 400.0 : 510.0 / 350.0;
            const double longSide = std::max(c.width, c.height);
            const double shortSide = std::min(c.width, c.height);
            if (w != h) {
                EXPECT_NEAR(longSide / shortSide, print, 0.02 * print);
            }
        }
    }
}

TEST(FrameGeometryLayout, CropOnPhotoMovesAndShrinksInProportion) {
    struct Case {
        CropRect in;
        std::int32_t w, h;
        CropRect out;
    };
    for (const Case& c : {
             Case{{0, 67, 1606, 1066}, 1600, 1128, {0, 66, 1600, 1062}},    // too wide, moved up
             Case{{300, 40, 900, 1350}, 1200, 1600, {300, 40, 900, 1350}},  // on the photo
             Case{{-4, 260, 900, 1350}, 1200, 1600, {0, 250, 900, 1350}},   // back inside
             Case{{0, 0, 0, 0}, 1200, 1600, {0, 0, 0, 0}},
         }) {
        ExpectCrop(CropOnPhoto(c.in, c.w, c.h), c.out);
    }
}

TEST_F(FrameGeometryTest, SizesWithoutAreaShowNoFrameAndShapelessPaperCoversTheSurface) {
    for (std::int32_t spec :
         {kZeroWidth, kZeroHeight, kNegativeWidth, kNegativeHeight, kUnderAHundredth, -1, 7}) {
        SCOPED_TRACE(spec);
        ASSERT_TRUE(Show(kModeCrop, 1600, 1200, spec).done);
        EXPECT_EQ(geom.frameRect, geom.imageRect);
        geom.mode = kModeZoom;
        geom.Refresh();
        EXPECT_EQ(geom.frameRect, (PixelRect{2, 0, 287, 214}));
        if (spec == kNegativeWidth || spec == kNegativeHeight || spec == 7) continue;
        Show(kModeWhiteFill, 1600, 1200, spec);
        EXPECT_EQ(geom.frameRect, geom.Surface());
        EXPECT_EQ(geom.imageRect, geom.Surface());
    }
}

TEST_F(FrameGeometryTest, ToggleFitTurnsTheZoomFramePortraitAndThePaperSquare) {
    Show(kModeZoom, 1600, 1200, kFourBySix, 200);
    ASSERT_GT(geom.frameRect.Width(), geom.frameRect.Height());
    const RefreshResult res = geom.ToggleFit();
    EXPECT_TRUE(geom.frameTurned);
    EXPECT_EQ(geom.frameRect, (PixelRect{73, 0, 215, 214}));
    EXPECT_EQ(geom.imageRect, (PixelRect{-141, -107, 429, 321}));
    ExpectCrop(res.crop, {1201, 600, 797, 1201});

    Show(kModeWhiteFill, 1600, 1200);
    geom.ToggleFit();
    EXPECT_EQ(geom.frameRect, (PixelRect{37, 0, 251, 214}));
    EXPECT_EQ(geom.imageRect, (PixelRect{37, 27, 251, 187}));
}

TEST_F(FrameGeometryTest, ZoomOffsetsMoveThePhotoAndTurnedCropOffsetsTheFrameWithoutOverflow) {
    Show(kModeZoom, 1600, 1200, kFourBySix, 200);
    geom.SetOffsets(100, -50);
    geom.Refresh();
    // 100 x 570 / 1600 and -50 x 570 / 1600, truncated toward zero.
    EXPECT_EQ(geom.imageRect, (PixelRect{-141 + 35, -107 - 17, 429 + 35, 321 - 17}));
    EXPECT_EQ(geom.frameRect, (PixelRect{2, 12, 287, 202}));

    // Turned by 90: shown as 1200 x 1600 and laid out as at 100 % zoom.
    Show(kModeCrop, 1600, 1200, kFourBySix, 100, 90);
    EXPECT_EQ(geom.imageWidth, 1200);
    geom.SetOffsets(300, 0);
    const RefreshResult res = geom.Refresh();
    EXPECT_EQ(geom.imageRect, (PixelRect{64, 0, 224, 214}));
    EXPECT_EQ(geom.frameRect, (PixelRect{113, 0, 255, 214}));
    EXPECT_EQ(res.crop.left, 367);

    // A huge photo at the top zoom does not overflow.
    Show(kModeZoom, 20000, 15000, kFourBySix, 9998);
    geom.SetOffsets(5000, -3000);
    const RefreshResult huge = geom.Refresh();
    EXPECT_EQ(geom.imageRect, (PixelRect{-6980, -14864, 21514, 6531}));
    // Inside the 1999600 x 1499700 zoomed photo, the offset away from its centre.
    ExpectCrop(huge.crop, {489970, 1043940, 20000, 13333});
}

TEST_F(FrameGeometryTest, NothingWithoutAPhotoOrInAnUnknownMode) {
    EXPECT_FALSE(geom.Refresh().done);
    EXPECT_FALSE(geom.SetSpec(0));
    geom.SetScale(150);
    EXPECT_EQ(geom.scale, 100);
    EXPECT_FALSE(geom.Press(100, 100, FrameGeometry::kSyntheticLayer));

    Show(-1, 1600, 1200);
    EXPECT_FALSE(geom.Refresh().done);
    ExpectCrop(Stored().rcDst, {0, 0, 0, 0});

    Show(kModeCrop, 1600, 1200);
    geom.Clear();
    EXPECT_FALSE(geom.HasImage());
    EXPECT_EQ(geom.mode, -1);
    EXPECT_EQ(geom.Surface(), (PixelRect{0, 0, 289, 214}));

    // Setters keep to the catalogue and the zoom mode.
    Show(kModeCrop, 1600, 1200);
    EXPECT_TRUE(geom.SetSpec(6));
    EXPECT_EQ(geom.specIndex, 6);
    EXPECT_FALSE(geom.SetSpec(7));
    EXPECT_FALSE(geom.SetSpec(-1));
    EXPECT_EQ(geom.specIndex, 6);
    geom.SetScale(100);
    EXPECT_EQ(geom.mode, kModeCrop);
    geom.SetScale(150);
    EXPECT_EQ(geom.mode, kModeZoom);
    Show(kModeCrop, 1600, 1200, kFourBySix, 120);
    EXPECT_EQ(geom.mode, kModeZoom);
}

// The worked example with the frame turned: 142 x 214 in a 285-wide photo,
// room to move sideways only.
class FrameGeometryDrag : public FrameGeometryTest {
  protected:
    void ShowTurnedFrame() {
        Show(kModeCrop, 1600, 1200);
        geom.ToggleFit();
        ASSERT_EQ(geom.frameRect, (PixelRect{73, 0, 215, 214}));
    }
    // The big view with the worked example at 200 %.
    void ShowBigZoom() {
        geom.SetSurfaceSize(800, 600);
        geom.SetBigView(true);
        Show(kModeZoom, 1600, 1200, kFourBySix, 200);
        ASSERT_EQ(geom.frameRect, (PixelRect{0, 33, 800, 566}));
        ASSERT_EQ(geom.imageRect, (PixelRect{-400, -301, 1200, 899}));
    }
};

// In crop mode the press must hit the frame (2,12)-(287,202), left and top
// inclusive, in the photo layer's pixels (whose left is 2); (500, 500) lies
// outside the crop frame and the surface.
TEST_F(FrameGeometryDrag, WhichPressesStartADrag) {
    struct Case {
        std::int32_t mode;
        bool big;
        std::int32_t layer, x, y;
        bool starts;
    };
    constexpr std::int32_t kSynthetic = FrameGeometry::kSyntheticLayer;
    for (const Case& c :
         {Case{kModeCrop, false, 1, 0, 12, true}, Case{kModeCrop, false, 1, 284, 201, true},
          Case{kModeCrop, false, 1, 285, 100, false}, Case{kModeCrop, false, 1, 100, 202, false},
          Case{kModeCrop, false, 1, -1, 100, false}, Case{kModeCrop, false, 1, 100, 11, false},
          Case{kModeCrop, false, kSynthetic, 500, 500, true},
          Case{kModeCrop, false, 1, 500, 500, false},
          Case{kModeWhiteFill, false, 2, 500, 500, true},
          Case{kModeBlackFill, false, 2, 500, 500, true}, Case{kModeZoom, true, 3, 500, 500, true},
          Case{kModeZoom, false, 3, 500, 500, false},
          Case{kModeZoom, false, kSynthetic, 500, 500, false}}) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << c.mode << " big " << c.big << " at " << c.x << "," << c.y);
        geom.SetBigView(c.big);
        Show(c.mode, 1600, 1200, kFourBySix, c.mode == kModeZoom ? 200 : 100);
        geom.Release();
        EXPECT_EQ(geom.Press(c.x, c.y, c.layer), c.starts);
        EXPECT_EQ(geom.dragging, c.starts);
        if (c.starts) {
            EXPECT_EQ(geom.pressX, c.x);
        }
    }
}

TEST_F(FrameGeometryDrag, CropDragFollowsTheMouseIgnoresJitterAndStopsAtThePhotosLeftEdge) {
    ShowTurnedFrame();
    EXPECT_FALSE(geom.Move(0, 100, false).taken);
    ASSERT_TRUE(geom.Press(100, 100, 1));
    EXPECT_FALSE(geom.Move(0, 100, true).taken);
    EXPECT_TRUE(geom.Move(104, 96, false).taken);
    EXPECT_EQ(geom.frameRect.left, 73);
    EXPECT_EQ(geom.pressX, 100);
    EXPECT_TRUE(geom.Move(94, 100, false).frameMoved);
    EXPECT_EQ(geom.frameRect.left, 67);
    EXPECT_EQ(geom.pressX, 94);
    // Measured from the last step, not from the press.
    geom.Move(88, 100, false);
    EXPECT_EQ(geom.frameRect.left, 61);
    const MoveResult res = geom.Move(0, 100, false);
    EXPECT_TRUE(res.taken);
    EXPECT_TRUE(res.frameMoved);
    EXPECT_FALSE(res.photoMoved);
    EXPECT_EQ(geom.frameRect, (PixelRect{2, 0, 144, 214}));
    // The centre lies left of the surface's: (2 + (142 - 289) / 2) x 1600 / 285.
    EXPECT_EQ((std::array{geom.offsetX, geom.offsetY, Stored().offsetSZX}),
              (std::array{-398, 0, -398}));
    // The far values keep what the refresh stored.
    ExpectCrop(Stored().rcDst, {0, 0, 796, 1200});  // held to the 1200-row photo

    const MoveResult again = geom.Move(-50, 100, false);
    EXPECT_TRUE(again.taken);
    EXPECT_FALSE(again.frameMoved);
    geom.Release();
    EXPECT_FALSE(geom.Move(0, 100, false).taken);
    EXPECT_EQ(geom.frameRect, (PixelRect{2, 0, 144, 214}));
}

TEST_F(FrameGeometryDrag, PhotoSlidesOnThePaperMeasuredFromThePress) {
    Show(kModeWhiteFill, 1600, 1200);
    ASSERT_TRUE(geom.Press(100, 100, 2));
    MoveResult res = geom.Move(80, 100, false);
    // Photo moved, paper repainted, background and frame not.
    EXPECT_EQ((std::array{res.photoMoved, res.repaintPaper, res.repaintBackground, res.frameMoved}),
              (std::array{true, true, false, false}));
    EXPECT_EQ(geom.imageRect, (PixelRect{0, 11, 256, 203}));
    EXPECT_EQ((std::array{geom.offsetX, Stored().offsetSZX, geom.pressX}),
              (std::array{-100, -100, 100}));

    geom.Move(130, 100, false);
    EXPECT_EQ(geom.imageRect, (PixelRect{30, 11, 286, 203}));
    EXPECT_EQ(geom.offsetX, 87);
    EXPECT_EQ((std::array{Stored().rcDst.left, Stored().rcDst.top}), (std::array{187, 0}));
    // Straight down from the press, and already as low as the paper allows.
    EXPECT_FALSE(geom.Move(100, 130, false).photoMoved);
}

TEST_F(FrameGeometryDrag, ZoomedPhotoKeepsAGripOnTheBigViewAndStoresTheFramesPlace) {
    struct Case {
        std::int32_t dx, dy;
        bool accepted;
    };
    for (const Case& c :
         {Case{-1150, 0, true}, Case{-1151, 0, false}, Case{1200, 0, true}, Case{1201, 0, false},
          Case{0, -849, true}, Case{0, -850, false}, Case{0, 801, true}, Case{0, 802, false}}) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        ShowBigZoom();
        const PixelRect before = geom.imageRect;
        ASSERT_TRUE(geom.Press(0, 0, 3));
        const MoveResult res = geom.Move(c.dx, c.dy, false);
        EXPECT_TRUE(res.taken);
        EXPECT_EQ(res.photoMoved, c.accepted);
        EXPECT_EQ(res.repaintBackground, c.accepted);
        EXPECT_EQ(geom.imageRect, c.accepted ? before.Moved(c.dx, c.dy) : before);
    }
    // The drag stores the frame's place on the zoomed photo.
    ShowBigZoom();
    ASSERT_TRUE(geom.Press(0, 0, 3));
    geom.Move(-30, -20, false);
    EXPECT_EQ(geom.imageRect, (PixelRect{-430, -321, 1170, 879}));
    EXPECT_EQ((std::array{geom.offsetX, geom.offsetY, Stored().offsetSZY, geom.pressX}),
              (std::array{-30, -21, -21, 0}));
    EXPECT_EQ((std::array{Stored().rcDst.left, Stored().rcDst.top}), (std::array{860, 708}));
}

TEST_F(FrameGeometryDrag, NudgeMovesTheFrameOrTheFillPhotoOneStep) {
    struct Case {
        std::int32_t direction;
        bool moved;
        PixelRect frame;
    };
    for (const Case& c : {Case{FrameGeometry::kNudgeLeft, true, {67, 0, 209, 214}},
                          Case{FrameGeometry::kNudgeRight, true, {79, 0, 221, 214}},
                          Case{FrameGeometry::kNudgeUp, false, {73, 0, 215, 214}},
                          Case{FrameGeometry::kNudgeDown, false, {73, 0, 215, 214}},
                          Case{5, false, {73, 0, 215, 214}}}) {
        SCOPED_TRACE(c.direction);
        ShowTurnedFrame();
        EXPECT_EQ(geom.Nudge(c.direction, false).frameMoved, c.moved);
        EXPECT_EQ(geom.frameRect, c.frame);
        EXPECT_FALSE(geom.dragging);
    }
    EXPECT_FALSE(geom.Nudge(FrameGeometry::kNudgeLeft, true).taken);
    EXPECT_EQ(geom.frameRect.left, 73);

    // The fill photo slides; the zoom outside the big view does not.
    Show(kModeBlackFill, 1600, 1200);
    EXPECT_TRUE(geom.Nudge(FrameGeometry::kNudgeRight, false).photoMoved);
    EXPECT_EQ(geom.imageRect, (PixelRect{22, 11, 278, 203}));

    Show(kModeZoom, 1600, 1200, kFourBySix, 200);
    const PixelRect image = geom.imageRect;
    for (std::int32_t d = FrameGeometry::kNudgeLeft; d <= FrameGeometry::kNudgeDown; ++d) {
        SCOPED_TRACE(d);
        EXPECT_FALSE(geom.Nudge(d, false).taken);
        EXPECT_EQ(geom.imageRect, image);
        EXPECT_EQ(geom.offsetX, 0);
        EXPECT_FALSE(geom.dragging);
    }
}

TEST(FrameGeometryLayout, RotatedBounds) {
    for (const auto& [angle, size] :
         std::initializer_list<std::pair<std::int32_t, PixelSize>>{{0, {1600, 1200}},
                                                                   {90, {1200, 1600}},
                                                                   {45, {1980, 1980}},
                                                                   {30, {1986, 1839}},
                                                                   {120, {1839, 1986}},
                                                                   {180, {1600, 1200}},
                                                                   {210, {1986, 1839}},
                                                                   {270, {1200, 1600}},
                                                                   {1, {1621, 1228}}}) {
        EXPECT_EQ(RotatedBounds(1600, 1200, angle), size) << angle;
    }
    EXPECT_EQ(RotatedBounds(0, 0, 45), (PixelSize{0, 0}));
    // Squares over 46341 pixels overflow a 32-bit sum.
    EXPECT_EQ(RotatedBounds(60000, 0, 90), (PixelSize{0, 60000}));
}

TEST(FrameGeometryLayout, LoadReductionLevel) {
    // Width, height, big view (1) and the level.
    for (const auto& [w, h, big, level] :
         std::initializer_list<std::array<std::int32_t, 4>>{{1120, 1120, 1, 1},
                                                            {1119, 4000, 1, 0},
                                                            {4000, 1119, 1, 0},
                                                            {600, 600, 1, 0},
                                                            {600, 4000, 0, 0},
                                                            {4000, 600, 0, 0},
                                                            {601, 601, 0, 1},
                                                            {4000, 1119, 0, 1},
                                                            {601, 1120, 0, 2},
                                                            {4000, 3000, 0, 2}}) {
        EXPECT_EQ(LoadReductionLevel(w, h, big != 0), level) << w << "x" << h << " big " << big;
    }
}

// Its truncation toward zero shows in the drags' offsets.
TEST(FrameGeometryLayout, QuotientSurvivesZeroAndOverflow) {
    EXPECT_EQ(Quotient(7, 0), 0);
    EXPECT_EQ(Quotient(Wide{1} << 40, 1), INT32_MAX);
}

}  // namespace
}  // namespace orelle
