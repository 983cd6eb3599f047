#include "orderdata/BatchApply.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(At(0).number, 1);
    EXPECT_EQ(At(2).number, 4);
    EXPECT_EQ(At(3).number, 4);
    EXPECT_EQ(At(2).specIndex, 1);
    EXPECT_EQ(At(3).operate, kModeZoom);
}

TEST_F(ApplyToFollowingTest, SizeAloneMovesSizeAndTheCodeThatFollowedIt) {
    job.list.At(3).productID = "SPECIAL";
    Apply(Switches(true, false, false));
    EXPECT_EQ(At(2).specIndex, 3);
    EXPECT_EQ(At(2).productID, "C6L");
    // A code set apart from its size stays.
    EXPECT_EQ(At(3).specIndex, 3);
    EXPECT_EQ(At(3).productID, "SPECIAL");
    EXPECT_EQ(At(2).number, 2);
    EXPECT_EQ(At(0).specIndex, 0);
}

TEST_F(ApplyToFollowingTest, FramingFromAFillCopiesModeTurnAndZoom) {
    Apply(Switches(false, false, true));
    for (std::int32_t i : {2, 3}) {
        EXPECT_EQ(At(i).operate, kModeWhiteFill);
        EXPECT_EQ(At(i).angle, 90);
        EXPECT_EQ(At(i).scale, 150);
    }
    EXPECT_EQ(At(2).number, 2);
}

TEST_F(ApplyToFollowingTest, FramingFromACropLeavesTheZoomAlone) {
    Set(job.list.At(1), kModeCrop, 120, 180);
    Apply(Switches(false, false, true));
    EXPECT_EQ(At(3).operate, kModeCrop);
    EXPECT_EQ(At(3).angle, 180);
    EXPECT_EQ(At(3).scale, 180);
}

TEST_F(ApplyToFollowingTest, FramingFromAZoomChangesNothing) {
    Set(job.list.At(1), kModeZoom, 200, 90);
    Apply(Switches(false, false, true));
    EXPECT_EQ(At(2).operate, kModeCrop);
    EXPECT_EQ(At(2).angle, 0);
    EXPECT_EQ(At(2).scale, 100);
    EXPECT_EQ(At(3).operate, kModeZoom);
    EXPECT_EQ(At(3).scale, 180);
}

TEST_F(ApplyToFollowingTest, ASourceOutsideTheListChangesNothing) {
    ApplyToFollowing(job.list, 7, Switches(true, true, false), job.catalogue);
    ApplyToFollowing(job.list, -1, Switches(true, true, false), job.catalogue);
    EXPECT_EQ(At(0).number, 1);
    EXPECT_EQ(At(3).specIndex, 2);
}

struct FolderCase {
    const char* name;
    const char* chosen;
    const char* origDir;
    bool matches;
};

class FolderMatchesTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FolderMatchesTest, ChosenFolderBeginsWithThePhotosFolder) {
    EXPECT_EQ(FolderMatches(GetParam().chosen, GetParam().origDir), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(Cases, FolderMatchesTest,
                         ::testing::Values(FolderCase{"Same", "D:\\a\\b", "D:\\a\\b", true},
                                           FolderCase{"FolderAbove", "D:\\a\\b", "D:\\a", true},
                                           FolderCase{"OtherCase", "d:\\A\\B", "D:\\a", true},
                                           FolderCase{"OtherCasePosix", "/card/DCIM/100CAM",
                                                      "/CARD/dcim", true},
                                           FolderCase{"FolderBelow", "D:\\a", "D:\\a\\b", false},
                                           FolderCase{"Sibling", "D:\\b", "D:\\a", false},
                                           FolderCase{"ChineseSibling", "/卡/一", "/卡/二", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ApplyToFolder, SetsTheValuesOnTheFoldersPhotosOnly) {
    SmallCatalogue job;
    PhotoRecord& inside = job.Add(0, 5);
    inside.origDir = "/card/DCIM";
    inside.operate = kModeWhiteFill;
    inside.exoch = 1;
    PhotoRecord& below = job.Add(0, 5);
    below.origDir = "/card/DCIM/100CAM";
    PhotoRecord& kept = job.Add(0, 5);
    kept.origDir = "/card/DCIM";
    kept.productID = "OWN";
    ApplyToFolder(job.list, DirApplyValues{"/CARD/dcim/101cam", 2, 0, 3, 0}, job.catalogue);
    EXPECT_EQ(inside.specIndex, 2);
    EXPECT_EQ(inside.productID, "C6D");
    EXPECT_EQ(inside.number, 3);
    EXPECT_EQ(inside.operate, kModeCrop);
    EXPECT_EQ(inside.exoch, 0);
    EXPECT_EQ(below.number, 5);
    EXPECT_EQ(kept.specIndex, 2);
    EXPECT_EQ(kept.productID, "OWN");
}

TEST(SetAllDates, OnThenOffLeavesNoImprint) {
    SmallCatalogue job;
    job.Add(0, 1).adddatetime = 1;
    job.Add(0, 1);
    SetAllDates(job.list, true);
    EXPECT_EQ(job.list.At(1).adddatetime, 1);
    SetAllDates(job.list, false);
    EXPECT_EQ(job.list.At(0).adddatetime, 0);
    EXPECT_EQ(job.list.At(1).adddatetime, 0);
}

TEST(RequirementText, SemicolonsAndBlanksBecomeCommas) {
    EXPECT_EQ(RequirementFromTyped("a;b c"), "a,b,c");
    EXPECT_EQ(RequirementFromTyped("加急; 调亮"), "加急,,调亮");
    EXPECT_EQ(RequirementFromTyped(""), "");
}

}  // namespace
}  // namespace orelle
