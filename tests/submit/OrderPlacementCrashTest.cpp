// Whatever write of placing an order the disk refuses, the order files
// show the order either as not placed or as placed and complete, and the
// host hears of it only in the second case (a kill or a power cut at any
// write: PowerCutTest).

#include <gtest/gtest.h>
#include "orderdata/OrderFilesRepair.h"

#include "platform/ini/Profile.h"
#include "submit/OrderPlacement.h"
#include "support/CrashingFiles.h"
#include "support/PlacementStation.h"

namespace orelle {
namespace {

using testing::CrashingFiles;
using testing::MemoryFileSystem;
using testing::PlacementStation;

constexpr int kPhotos = 3;
const std::string kPackage = PlacementStation::kPackage;

void AddJob(PlacementStation& s) {
    for (int i = 0; i < kPhotos; ++i) s.Add(i % 2, 1, "p" + std::to_string(i) + ".jpg");
    s.state.flags.verison_origdirfile = 1;
    s.state.startup.config.print = 1;
}

// photo.ini says placed only of an order the day's file marks placed.
void ExpectNoPlacedClaim(MemoryFileSystem& files) {
    if (Profile(PlacementStation::kPhotoIni, files).GetString("orderinfo", "bSuccess", "") == "1") {
        EXPECT_EQ(PlacementStation::DayValue(files, "bSuccess"), "-1");
    }
}

// True when the files show the order placed; then every file of it must be
// complete.
bool ShownPlaced(MemoryFileSystem& files) {
    if (PlacementStation::DayValue(files, "bSuccess") != "-1") return false;
    Profile job(PlacementStation::kPhotoIni, files);
    EXPECT_EQ(job.GetString("orderinfo", "bSuccess", ""), "1");
    EXPECT_EQ(job.GetString("orderinfo", "saleddh", ""), "0020150307001");
    EXPECT_EQ(job.GetInt("photoid", "photonumb", 0), kPhotos);
    std::string up, down, marker;
    EXPECT_TRUE(files.ReadFile(kPackage + "upfile.pro", &up));
    EXPECT_TRUE(files.ReadFile(kPackage + "dlfile.pro", &down));
    EXPECT_TRUE(files.ReadFile(kPackage + "lumora.ini", &marker));
    EXPECT_EQ(up.size(), 408u * (2 + kPhotos + 1));
    EXPECT_EQ(down, up);
    return true;
}

// What the files show after the next start has mended them: photo.ini and
// the day's file agree, and a placed order has every file complete.
bool ShownPlacedAfterStart(MemoryFileSystem& files) {
    ExpectNoPlacedClaim(files);
    RepairOrderFiles(files, "/backup");
    const bool marked = PlacementStation::DayValue(files, "bSuccess") == "-1";
    const std::string flag =
        Profile(PlacementStation::kPhotoIni, files).GetString("orderinfo", "bSuccess", "");
    EXPECT_EQ(flag == "1", marked);
    return marked && ShownPlaced(files);
}

int WritesOfAWholeOrder() {
    PlacementStation s;
    AddJob(s);
    CrashingFiles counting(s.memory, 1 << 30);
    EXPECT_EQ(s.RunOver(counting), PlacementResult::kPlaced);
    EXPECT_TRUE(ShownPlaced(s.memory));
    return counting.writes;
}

TEST(OrderPlacementCrashTest, ARefusedWriteAnywhereIsToldAndCanBePlacedAgain) {
    const int total = WritesOfAWholeOrder();
    for (auto mode : {CrashingFiles::Mode::kFromThereOn, CrashingFiles::Mode::kThatOne}) {
        for (int k = 1; k <= total; ++k) {
            PlacementStation s;
            AddJob(s);
            CrashingFiles files(s.memory, k, mode);
            const PlacementResult result = s.RunOver(files);
            SCOPED_TRACE("write " + std::to_string(k));
            ExpectNoPlacedClaim(s.memory);
            if (result == PlacementResult::kPlaced) {
                EXPECT_TRUE(ShownPlacedAfterStart(s.memory));
                EXPECT_EQ(s.host.calls.size(), 1u);
                continue;
            }
            EXPECT_EQ(result, PlacementResult::kFailed);
            EXPECT_FALSE(ShownPlacedAfterStart(s.memory));
            EXPECT_FALSE(s.state.session.bOrderPlaced);
            EXPECT_TRUE(s.host.calls.empty());
            EXPECT_EQ(s.printers.log.documents, 0);

            // The disk is well again; the customer presses the button: the
            // back office numbered this order already, so only the files are
            // written, for that number.
            s.prompts.asked.clear();
            s.prompts.order = testing::AcceptedOrder("0020150307002", "");
            ASSERT_EQ(s.Run(), PlacementResult::kPlaced);
            EXPECT_EQ(s.prompts.asked, std::vector<std::string>{"notice"});
            EXPECT_TRUE(ShownPlaced(s.memory));
            EXPECT_EQ(s.host.calls.size(), 1u);
        }
    }
}

}  // namespace
}  // namespace orelle
