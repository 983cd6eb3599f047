// The customer's job without a window: what it tells the screen, in order,
// and what it leaves in the files, from the open to the end.

#include "job/CustomerJob.h"

#include <gtest/gtest.h>
#include <libexif/exif-ifd.h>

#include <atomic>
#include <thread>
#include <utility>

#include "orderdata/FolderLoad.h"
#include "orderdata/OrderFiles.h"
#include "orderdata/OrderPaths.h"
#include "orderdata/PhotoTree.h"
#include "orderdata/ProcessState.h"
#include "platform/clock/Clock.h"
#include "platform/imaging/UprightJpeg.h"
#include "support/FakeDisks.h"
#include "support/MemoryFileSystem.h"
#include "support/PhonePhotos.h"
#include "support/RecordingShell.h"

namespace orelle {
namespace {

using Texts = std::vector<std::string>;

class Screen final : public CustomerJobEvents {
  public:
    Texts seen;
    void Emptying() override { seen.push_back("emptying"); }
    void PageLeaving() override { seen.push_back("leaving"); }
    void FillPage() override { seen.push_back("fill"); }
    void LoadStarted(int photos) override { seen.push_back("started " + std::to_string(photos)); }
    void LoadStep() override { seen.push_back("step"); }
    void LoadOver(bool joined) override { seen.push_back(joined ? "joined" : "over"); }
    void HandBack() override { seen.push_back("hand back"); }
    void Message(const char* text) override { seen.push_back(text); }
    void PriceChanged() override { seen.push_back("price"); }
};

// Copies of one source fail, as from a bad card; photos written on the
// test's own thread are counted.
class Files : public testing::MemoryFileSystem {
  public:
    std::string failing;
    const std::thread::id ui = std::this_thread::get_id();
    std::atomic<int> photosWrittenOnUi{0};
    bool CopyFile(const std::string& from, const std::string& to) override {
        return from != failing && MemoryFileSystem::CopyFile(from, to);
    }
    bool ReplaceFile(const std::string& path, std::string_view contents) override {
        if (std::this_thread::get_id() == ui && path.ends_with(".jpg")) ++photosWrittenOnUi;
        return MemoryFileSystem::ReplaceFile(path, contents);
    }
};

class CustomerJobTest : public ::testing::Test {
  protected:
    CustomerJobTest() {
        state.startup.config.dir = "/backup";
        state.startup.date.dateStr = "2026-12-7";
        state.startup.date.datePrefix = "261207";
        for (const char* name : {"/card/a.jpg", "/card/b.jpg"}) Put(name);
    }
    void Put(const std::string& path) {
        fs.CreateDirectories(path.substr(0, path.rfind('/')));
        fs.ReplaceFile(path, "photo");
    }
    Texts Open(const std::string& folder, bool appending = false) {
        EXPECT_TRUE(job.Open(folder, {}, appending));
        job.Wait();
        EXPECT_FALSE(state.bRefreshing);
        return std::exchange(screen.seen, {});
    }
    Texts ShowPage() {
        EXPECT_TRUE(job.ShowPage());
        job.Wait();
        return std::exchange(screen.seen, {});
    }
    std::string PhotoIni() const { return paths.PhotoIni(state.orderInfo.storeDDH); }

    Files fs;
    testing::FakeDisks disks;
    FixedClock clock{{2026, 12, 7, 10, 0, 0}};
    testing::RecordingShell shell;
    Services services{fs, disks, clock, shell, Registry("/registry.ini", fs)};
    ProcessState state;
    Screen screen;
    CustomerJob job{state, services, screen};
    const OrderPaths paths{"/backup", "2026-12-7"};
};

TEST_F(CustomerJobTest, ACardBecomesAJobShownOnItsFirstPageWithItsOrderFiles) {
    EXPECT_EQ(Open("/card"), (Texts{"emptying", "started 2", "step", "step", "emptying", "joined",
                                    "hand back", "leaving", "fill", "price"}));
    ASSERT_EQ(state.photoList.GetSize(), 2);
    EXPECT_TRUE(fs.FileExists(PhotoIni()));
    EXPECT_TRUE(fs.FileExists(paths.OrderIni()));
    EXPECT_FALSE(job.PriceLine().empty());
    // An append joins the open job.
    const std::string number = state.orderInfo.storeDDH;
    Put("/more/c.jpg");
    EXPECT_EQ(Open("/more", true), (Texts{"started 1", "step", "emptying", "joined", "hand back",
                                          "leaving", "fill", "price"}));
    EXPECT_EQ(state.orderInfo.storeDDH, number);
    EXPECT_EQ(state.photoList.GetSize(), 3);
}

TEST_F(CustomerJobTest, ARefusedLoadTellsWhyAndLeavesTheOpenJob) {
    Open("/card");
    const std::string number = state.orderInfo.storeDDH;
    Put("/other/a.txt");
    EXPECT_EQ(Open("/other"), (Texts{kNoPhotosMessage, "hand back", "over", "price"}));
    fs.ReplaceFile(paths.OrderIni(), "[idcount]\r\nidmax=2147483647\r\n");  // numbers used up
    EXPECT_EQ(Open("/card"), (Texts{kNoOrderNumberMessage, "hand back", "over", "price"}));
    EXPECT_EQ(state.orderInfo.storeDDH, number);
    EXPECT_EQ(state.photoList.GetSize(), 2);
}

TEST_F(CustomerJobTest, AFailedCopyGivesUpTheNewJobWithItsFolder) {
    fs.failing = "/card/b.jpg";
    EXPECT_EQ(Open("/card"), (Texts{"emptying", "started 2", "step", "emptying", "hand back",
                                    "over", "price", kBackupFailedMessage}));
    EXPECT_EQ(state.photoList.GetSize(), 0);
    EXPECT_TRUE(state.orderInfo.storeDDH.empty());
    EXPECT_FALSE(fs.DirectoryExists(paths.WorkFolder("261207001")));
    // A path too long fails before any copy; a name that does not fit its
    // record after it.
    Put("/long/" + std::string(kMaxLoadPathBytes, 'n') + ".jpg");
    EXPECT_EQ(Open("/long"), (Texts{"emptying", kTreeTooLongMessage, "hand back", "over", "price",
                                    kBackupFailedMessage}));
    std::string name;
    for (int i = 0; i < 83; ++i) name += "长";
    Put("/chinese/" + name + ".jpg");
    EXPECT_EQ(Open("/chinese"), (Texts{"emptying", "started 1", "emptying", kTreeTooLongMessage,
                                       "hand back", "over", "price", kBackupFailedMessage}));
}

TEST_F(CustomerJobTest, APageShownWritesTheOrderFilesUntilPlacedAndAFullDiskIsToldOnce) {
    Open("/card");
    fs.refused.insert(PhotoIni());
    EXPECT_EQ(ShowPage(), (Texts{"leaving", "fill", kOrderFilesUnwrittenMessage, "price"}));
    EXPECT_EQ(ShowPage(), (Texts{"leaving", "fill", "price"}));
    EXPECT_TRUE(state.session.filesUnwritten);
    fs.refused.clear();
    state.session.bOrderPlaced = true;
    const int replaced = fs.replaceCount;
    ShowPage();
    EXPECT_EQ(fs.replaceCount, replaced) << "a placed order's files stay as placed";
    // A change runs on the worker, then the page follows under one flag.
    bool changed = false;
    ASSERT_TRUE(job.Change([&] { changed = state.bRefreshing; }));
    job.Wait();
    EXPECT_TRUE(changed);
    EXPECT_EQ(screen.seen, (Texts{"leaving", "leaving", "fill", "price"}));
}

TEST_F(CustomerJobTest, CopiesTurnAheadAndAllAreUprightBeforeTheOrderTurnedOffTheUiThread) {
    const std::string turned = testing::CornerJpeg(64, 48, {{EXIF_IFD_0, 274, {}, 6}});
    for (const char* name : {"/card/a.jpg", "/card/b.jpg"}) fs.ReplaceFile(name, turned);
    Open("/card");
    job.WaitUpright();
    const std::string first = state.photoList.At(0).srcName;
    EXPECT_EQ(JpegOrientation(fs.files[first]), 1);
    // Left turned (an end stopped the lane): the order turns it, on a worker.
    fs.ReplaceFile(first, turned);
    fs.photosWrittenOnUi = 0;
    job.ReadyToOrder();
    EXPECT_EQ(JpegOrientation(fs.files[first]), 1);
    EXPECT_EQ(fs.photosWrittenOnUi, 0);
}

TEST_F(CustomerJobTest, TheEndForgetsTheJobKeepsItsFilesAndGivesUpALoadNotYetBegun) {
    Open("/card");
    job.End();
    EXPECT_EQ(screen.seen, (Texts{"over", "emptying", "price"}));
    EXPECT_EQ(state.photoList.GetSize(), 0);
    EXPECT_TRUE(state.orderInfo.storeDDH.empty());
    EXPECT_TRUE(job.PriceLine().empty());
    EXPECT_TRUE(fs.FileExists(paths.PhotoIni("261207001")));
    ASSERT_TRUE(job.Open("/card", {}, false));
    job.End();
    EXPECT_FALSE(state.bRefreshing);
    EXPECT_TRUE(state.orderInfo.storeDDH.empty());
}

}  // namespace
}  // namespace orelle
