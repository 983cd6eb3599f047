#include "orderdata/BatchApply.h"

#include <gtest/gtest.h>

#include <tuple>

#include "orderdata/RequirementText.h"
#include "support/SmallCatalogue.h"

namespace orelle {
namespace {

using testing::SmallCatalogue;

ApplySwitches Switches(bool size, bool quantity, bool framing) {
    ApplySwitches s;
    s.size = size;
    s.quantity = quantity;
    s.framing = framing;
    return s;
}

// Source at index 1 (size 3, 4 prints, white fill at 150 %, turned 90°);
// one photo before it and two after it, all different.
class ApplyToFollowingTest : public ::testing::Test {
  protected:
    ApplyToFollowingTest() {
        Set(job.Add(0, 1), kModeCrop, 100, 0);
        Set(job.Add(3, 4), kModeWhiteFill, 150, 90);
        Set(job.Add(1, 2), kModeCrop, 100, 0);
        Set(job.Add(2, 3), kModeZoom, 180, 270);
    }
    static void Set(PhotoRecord& r, std::int32_t operate, std::int32_t scale, std::int32_t angle) {
        r.operate = operate;
        r.scale = scale;
        r.angle = angle;
    }
    const PhotoRecord& At(std::int32_t i) { return job.list.At(i); }
    void Apply(ApplySwitches switches) { ApplyToFollowing(job.list, 1, switches, job.catalogue); }

    SmallCatalogue job;
};

TEST_F(ApplyToFollowingTest, QuantityAloneCopiesTheNumberToLaterPhotosOnly) {
    Apply(Switches(false, true, false));
    EXPECT_EQ(std::make_tuple(At(0).number, At(2).number, At(3).number), std::make_tuple(1, 4, 4));
    EXPECT_EQ(std::tie(At(2).specIndex, At(3).operate), std::make_tuple(1, kModeZoom));
}

TEST_F(ApplyToFollowingTest, SizeAloneMovesSizeAndTheCodeThatFollowedIt) {
    Apply(Switches(true, false, false));
    EXPECT_EQ(std::tie(At(2).specIndex, At(2).productID, At(2).number, At(0).specIndex),
              std::make_tuple(3, "C6L", 2, 0));
}

// A fill's framing is copied with its zoom, a crop's without, a zoom's not at all.
TEST_F(ApplyToFollowingTest, FramingCopiesModeAndTurnOfAFillOrCrop) {
    using Framing = std::tuple<std::int32_t, std::int32_t, std::int32_t>;  // mode, angle, zoom
    const struct {
        const char* what;
        Framing source, second, third;
    } cases[] = {
        {"fill", {kModeWhiteFill, 90, 150}, {kModeWhiteFill, 90, 150}, {kModeWhiteFill, 90, 150}},
        {"crop", {kModeCrop, 180, 120}, {kModeCrop, 180, 100}, {kModeCrop, 180, 180}},
        {"zoom", {kModeZoom, 90, 200}, {kModeCrop, 0, 100}, {kModeZoom, 270, 180}},
    };
    const auto framing = [this](std::int32_t i) {
        return Framing(At(i).operate, At(i).angle, At(i).scale);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Set(job.list.At(1), std::get<0>(c.source), std::get<2>(c.source), std::get<1>(c.source));
        Set(job.list.At(2), kModeCrop, 100, 0);
        Set(job.list.At(3), kModeZoom, 180, 270);
        Apply(Switches(false, false, true));
        EXPECT_EQ(framing(2), c.second);
        EXPECT_EQ(framing(3), c.third);
        EXPECT_EQ(At(2).number, 2);
    }
}

TEST_F(ApplyToFollowingTest, ASourceOutsideTheListChangesNothing) {
    ApplyToFollowing(job.list, 7, Switches(true, true, false), job.catalogue);
    ApplyToFollowing(job.list, -1, Switches(true, true, false), job.catalogue);
    EXPECT_EQ(std::tie(At(0).number, At(3).specIndex), std::make_tuple(1, 2));
}

TEST(FolderMatches, ChosenFolderBeginsWithThePhotosFolder) {
    const struct {
        const char *chosen, *origDir;
        bool matches;
    } cases[] = {
        {"D:\\a\\b", "D:\\a\\b", true}, {"D:\\a\\b", "D:\\a", true},  // same, folder above
        {"d:\\A\\B", "D:\\a", true},                                  // other case
        {"D:\\a", "D:\\a\\b", false},   {"D:\\b", "D:\\a", false},    // folder below, sibling
        {"/卡/一", "/卡/二", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderMatches(c.chosen, c.origDir), c.matches) << c.chosen << " " << c.origDir;
}

TEST(ApplyToFolder, SetsTheValuesOnTheFoldersPhotosOnly) {
    SmallCatalogue job;
    PhotoRecord& inside = job.Add(0, 5);
    inside.origDir = "/card/DCIM";
    inside.operate = kModeWhiteFill;
    inside.exoch = 1;
    PhotoRecord& below = job.Add(0, 5);
    below.origDir = "/card/DCIM/100CAM";
    ApplyToFolder(job.list, DirApplyValues{"/CARD/dcim/101cam", 2, 0, 3, 0}, job.catalogue);
    EXPECT_EQ(
        std::tie(inside.specIndex, inside.productID, inside.number, inside.operate, inside.exoch),
        std::make_tuple(2, "C6D", 3, kModeCrop, 0));
    EXPECT_EQ(below.number, 5);
}

TEST(SetAllDates, OnThenOffLeavesNoImprint) {
    SmallCatalogue job;
    job.Add(0, 1).adddatetime = 1;
    job.Add(0, 1);
    SetAllDates(job.list, true);
    EXPECT_EQ(job.list.At(1).adddatetime, 1);
    SetAllDates(job.list, false);
    EXPECT_EQ(std::tie(job.list.At(0).adddatetime, job.list.At(1).adddatetime),
              std::make_tuple(0, 0));
}

TEST(RequirementText, SemicolonsAndBlanksBecomeCommas) {
    EXPECT_EQ(RequirementFromTyped("a;b c"), "a,b,c");
    EXPECT_EQ(RequirementFromTyped("加急; 调亮"), "加急,,调亮");
    EXPECT_EQ(RequirementFromTyped(""), "");
}

}  // namespace
}  // namespace orelle
