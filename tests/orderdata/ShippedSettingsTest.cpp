// The default installation set must load as a shop would use it.
#include <gtest/gtest.h>

#include "orderdata/FeatureFlags.h"
#include "orderdata/PaperSettings.h"
#include "orderdata/StartupData.h"
#include "platform/files/FileSystem.h"

namespace orelle {
namespace {

TEST(ShippedSettings, LoadAsAWorkingStation) {
    StartupData data;
    const std::string folder = paths::WithTrailingSeparator(ORELLE_RES_DIR);
    LoadStartupData(data, folder, FileSystem::Default(), FixedClock({2026, 12, 6}));
    EXPECT_EQ(data.config.dir, paths::DefaultBackupRoot());
    EXPECT_EQ(data.config.insertdb, 0);
    FeatureFlags flags = LoadFeatureFlags(folder, data.config, FileSystem::Default());
    EXPECT_TRUE(flags.IsDatabaseEdition());

    const PrintCatalogue& c = data.catalogue;
    ASSERT_GE(c.GetCount(), 12);
    bool has4x6 = false, has5x7 = false, hasNegative = false;
    for (std::int32_t i = 0; i < c.GetCount(); ++i) {
        const PrintSpec& s = *c.At(i);
        EXPECT_FALSE(s.name.empty()) << i;
        has4x6 |= s.x == 4 && s.y == 6;
        has5x7 |= s.x == 5 && s.y == 7;
        hasNegative |= s.x < 0 || s.y < 0;
        // The short side first: the crop frame takes the photo's orientation.
        if (s.x > 0) {
            EXPECT_LE(s.x, s.y) << s.pcode;
        }
    }
    EXPECT_TRUE(has4x6 && has5x7 && hasNegative);
    EXPECT_EQ(c.GetName(1), "6寸");

    // Paper kinds, not the finishes a second time (the lab's memo read
    // "(绒面,光面)"); two characters fit the receipt's paper column.
    PaperSettings paper = LoadPaperSettings(folder, FileSystem::Default());
    EXPECT_EQ(paper.papernames, (std::vector<std::string>{"富士", "柯达"}));
    for (const std::string& name : paper.papernames) {
        EXPECT_NE(name, "光面");
        EXPECT_NE(name, "绒面");
    }
}

}  // namespace
}  // namespace orelle
