// A job cut off by a crash or a power cut: taken up again at the next
// start within the window, with every edit and its page; given up after
// it; never offered once its customer ended it.
#include "job/LeftJob.h"

#include <gtest/gtest.h>

#include <memory>

#include "job/CustomerJob.h"
#include "orderdata/OrderPaths.h"
#include "orderdata/PhotoIniWriter.h"
#include "orderdata/ProcessState.h"
#include "orderdata/UnplacedJob.h"
#include "orderdata/WorkFolderSweep.h"
#include "platform/clock/Clock.h"
#include "support/FakeDisks.h"
#include "support/MemoryDay.h"
#include "support/MemoryFileSystem.h"
#include "support/RecordingShell.h"

namespace orelle {
namespace {

class MovingClock final : public Clock {
  public:
    LocalTime now{2026, 12, 7, 10, 0, 0};
    LocalTime Now() const override { return now; }
};

class Screen final : public CustomerJobEvents {
  public:
    ShownPage page;
    void Emptying() override {}
    void PageLeaving() override {}
    void FillPage() override {}
    void LoadStarted(int) override {}
    void LoadStep() override {}
    void LoadOver(bool) override {}
    void HandBack() override {}
    void Message(const char*) override {}
    void PriceChanged() override {}
    ShownPage Shown() const override { return page; }
};

// One start of the station on the shared files.
struct Start {
    explicit Start(testing::MemoryFileSystem& fs, MovingClock& clock)
        : services{fs, disks, clock, shell, Registry("/registry.ini", fs)} {
        testing::OnMemoryDay(state);
        state.startup.settingsFolder = "/settings/";
    }
    testing::FakeDisks disks;
    testing::RecordingShell shell;
    Services services;
    ProcessState state;
    Screen screen;
    std::unique_ptr<CustomerJob> job = std::make_unique<CustomerJob>(state, services, screen);
};

class LeftJobTest : public ::testing::Test {
  protected:
    LeftJobTest() {
        for (int i = 1; i <= 8; ++i)
            testing::Put(fs, "/card/DCIM/img" + std::to_string(i) + ".jpg");
        // The customer's job: loaded, edited on its second page, cut.
        CustomerJob& job = *first.job;
        EXPECT_TRUE(job.Open("/card", {}, false));
        job.Wait();
        first.screen.page = {6, -1};
        EXPECT_TRUE(job.ShowPage());
        job.Wait();
        PhotoRecord& r = first.state.photoList.At(6);
        r.specIndex = 5;
        r.number = 3;
        r.operate = kModeZoom;
        r.rcDst = {10, 20, 300, 200};
        r.offsetSZX = 7;
        r.scale = 140;
        r.angle = 90;
        r.adddatetime = 1;
        r.frameTurned = 1;
        r.origName = "假期.jpg";  // as a phone named it
        job.Edited();
        job.Wait();
        edited = Snapshot(first.state);
        storeDDH = first.state.orderInfo.storeDDH;
    }

    static std::string Snapshot(const ProcessState& s) {
        std::string text = FormatPhotoIni(s.orderInfo, false, s.photoList);
        for (std::int32_t i = 0; i < s.photoList.GetSize(); ++i) {
            const PhotoRecord& r = s.photoList.At(i);
            text += r.origName + "|" + r.origDir + "|" + r.origPath + "|" +
                    std::to_string(r.frameTurned) + "\n";
        }
        return text;
    }

    testing::MemoryFileSystem fs;
    MovingClock clock;
    Start first{fs, clock};
    std::string edited;
    std::string storeDDH;
    const OrderPaths paths{"/backup", "2026-12-7"};
};

TEST_F(LeftJobTest, WithinTheWindowTheJobComesBackWithEveryEditOnItsPage) {
    first.job.reset();  // the process ends without ending the job
    first.state.jobLock.reset();
    clock.now.minute = 14;
    Start again(fs, clock);
    const std::optional<StationJob> left = FindLeftJob(again.state, again.services);
    ASSERT_TRUE(left);
    EXPECT_EQ(left->photos, 8);
    EXPECT_EQ(left->page, 6);
    EXPECT_EQ(left->started.minute, 0);
    ASSERT_TRUE(again.job->Resume(*left));
    EXPECT_TRUE(again.state.jobLock) << "held again, so no other station finishes it";
    EXPECT_EQ(Snapshot(again.state), edited);
    EXPECT_EQ(again.state.orderInfo.storeDDH, storeDDH);
    EXPECT_EQ(again.state.dirList.GetSize(), 1);
    // Its next page write keeps it as it was.
    EXPECT_TRUE(again.job->ShowPage());
    again.job->Wait();
    EXPECT_EQ(Snapshot(again.state), edited);
}

TEST_F(LeftJobTest, AfterTheWindowTheJobIsGivenUpAndGoesAfterKeepUnplaced) {
    first.job.reset();
    clock.now.minute = 16;
    Start late(fs, clock);
    EXPECT_FALSE(FindLeftJob(late.state, late.services));
    // Its record is gone; the folder waits for the sweep's 24 hours.
    EXPECT_TRUE(fs.DirectoryExists(paths.WorkFolder(storeDDH)));
    EXPECT_FALSE(FindLeftJob(late.state, late.services));

    Start another(fs, clock);
    EXPECT_TRUE(another.job->Open("/card", {}, false));
    another.job->Wait();
    EXPECT_TRUE(another.job->ShowPage());
    another.job->Wait();
    const std::string second = another.state.orderInfo.storeDDH;
    another.job.reset();
    clock.now = {2026, 12, 8, 11, 0, 0};
    Start nextDay(fs, clock);
    EXPECT_FALSE(FindLeftJob(nextDay.state, nextDay.services));
    EXPECT_FALSE(fs.DirectoryExists(paths.WorkFolder(second)));
    EXPECT_FALSE(ReadJobMark(paths, second, fs).named);
}

TEST_F(LeftJobTest, AJobEndedByItsCustomerOrPlacedIsNeverOffered) {
    first.job->End();
    // The station runs on: its next job is its own however old, for every
    // other station's sweep.
    ASSERT_TRUE(first.job->Open("/card", {}, false));
    first.job->Wait();
    ASSERT_TRUE(first.job->ShowPage());
    first.job->Wait();
    EXPECT_TRUE(FindHeldJobs("/backup", {2026, 12, 9, 0, 0, 0}, fs)
                    .contains({"2026-12-7", first.state.orderInfo.storeDDH}));
    first.job->End();
    Start again(fs, clock);
    EXPECT_FALSE(FindLeftJob(again.state, again.services));

    // A job whose order is placed, even if its record stays.
    EXPECT_TRUE(again.job->Open("/card", {}, false));
    again.job->Wait();
    EXPECT_TRUE(again.job->ShowPage());
    again.job->Wait();
    const std::string placed = again.state.orderInfo.storeDDH;
    std::string ini;
    fs.ReadFile(paths.OrderIni(), &ini);
    const std::size_t mark = ini.rfind("bSuccess=0");
    fs.ReplaceFile(paths.OrderIni(), ini.replace(mark, 10, "bSuccess=-1"));
    again.job.reset();
    Start third(fs, clock);
    EXPECT_FALSE(FindLeftJob(third.state, third.services));
    EXPECT_TRUE(fs.DirectoryExists(paths.WorkFolder(placed)));
}

}  // namespace
}  // namespace orelle
