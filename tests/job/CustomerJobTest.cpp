// The customer's job without a window: what it tells the screen, in order,
// and what it leaves in the files, from the open to the end.

#include "job/CustomerJob.h"

#include <gtest/gtest.h>
#include <libexif/exif-ifd.h>

#include <QCoreApplication>
#include <atomic>
#include <thread>
#include <utility>

#include "job/LeftJob.h"
#include "job/UnseenPhotos.h"
#include "job/WorkAtStake.h"
#include "orderdata/BackupJob.h"
#include "orderdata/FolderLoad.h"
#include "orderdata/OrderFiles.h"
#include "orderdata/OrderPaths.h"
#include "orderdata/PhotoTree.h"
#include "orderdata/ProcessState.h"
#include "phone/PhoneSession.h"
#include "platform/clock/Clock.h"
#include "platform/imaging/UprightJpeg.h"
#include "platform/ini/Profile.h"
#include "platform/paths/Paths.h"
#include "support/FakeDisks.h"
#include "support/GatedFiles.h"
#include "support/MemoryDay.h"
#include "support/MemoryFileSystem.h"
#include "support/PhonePhotos.h"
#include "support/RecordingShell.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

using Texts = std::vector<std::string>;

class Screen final : public CustomerJobEvents {
  public:
    Texts seen;
    const std::atomic<bool>* busy = nullptr;
    void Emptying() override { seen.push_back("emptying"); }
    void PageLeaving() override { seen.push_back("leaving"); }
    // A page is filled while the flag keeps commands away.
    void FillPage() override { seen.push_back(*busy ? "fill" : "fill, not busy"); }
    void LoadStarted(int photos) override { seen.push_back("started " + std::to_string(photos)); }
    void LoadStep() override { seen.push_back("step"); }
    void LoadOver(bool joined) override { seen.push_back(joined ? "joined" : "over"); }
    void CopyingBehind() override { seen.push_back("behind"); }
    void HandBack() override { seen.push_back("hand back"); }
    void Message(const char* text) override { seen.push_back(text); }
    void PriceChanged() override { seen.push_back("price"); }
    bool answer = false;
    bool Ask(const char* question) override {
        seen.push_back(std::string("? ") + question);
        return answer;
    }
};

// Copies of one source fail, as from a bad card; photos written on the
// test's own thread are counted.
class Files : public testing::MemoryFileSystem {
  public:
    std::string failing;
    std::string held;  // its copy waits at the gate
    testing::Gate gate{true};
    const std::thread::id ui = std::this_thread::get_id();
    std::atomic<int> photosWrittenOnUi{0};
    std::uint64_t listedBytes = 0;  // each photo listed as this large
    bool CopyFile(const std::string& from, const std::string& to) override {
        if (from == held) gate.Wait();
        return from != failing && MemoryFileSystem::CopyFile(from, to);
    }
    bool ReplaceFile(const std::string& path, std::string_view contents) override {
        if (std::this_thread::get_id() == ui && path.ends_with(".jpg")) ++photosWrittenOnUi;
        return MemoryFileSystem::ReplaceFile(path, contents);
    }
    bool ListFolder(const std::string& path, std::vector<FolderEntry>* entries) override {
        const bool ok = MemoryFileSystem::ListFolder(path, entries);
        for (FolderEntry& e : *entries)
            if (listedBytes && !e.folder) e.bytes = listedBytes;
        return ok;
    }
};

// Serves nothing: the test hands the phone's requests to the session.
class NoServer final : public WebServer {
  public:
    bool Start(const std::string&, int, WebService&, const WebServerLimits&, int* port) override {
        *port = 8080;
        return true;
    }
    void Stop() override {}
};

struct Body final : WebBody {
    std::string bytes;
    bool Read(const std::function<bool(std::string_view)>& piece) override { return piece(bytes); }
};

class CustomerJobTest : public ::testing::Test {
  protected:
    CustomerJobTest() {
        testing::OnMemoryDay(state);
        screen.busy = &state.bRefreshing;
        for (const char* name : {"/card/a.jpg", "/card/b.jpg"}) testing::Put(fs, name);
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
    NoServer server;
    // The phone visit is served by nobody: the test posts to its session.
    Services services{fs,
                      disks,
                      clock,
                      shell,
                      Registry("/registry.ini", fs),
                      HttpPoster::Default(),
                      DatabaseConnector::Default(),
                      Uploader::Default(),
                      server};
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
    // No page showed them here: the price says what it leaves out.
    EXPECT_TRUE(job.PriceLine().ends_with(" (2 张未浏览,不计)")) << job.PriceLine();
    EXPECT_EQ(FindUnseen(state.photoList).first, 0);
    // An append joins the open job.
    const std::string number = state.orderInfo.storeDDH;
    testing::Put(fs, "/more/c.jpg");
    EXPECT_EQ(Open("/more", true), (Texts{"started 1", "step", "emptying", "joined", "hand back",
                                          "leaving", "fill", "price"}));
    EXPECT_EQ(state.orderInfo.storeDDH, number);
    EXPECT_EQ(state.photoList.GetSize(), 3);
}

// Each load that cannot go on: what it tells, in order; no new job stays.
TEST_F(CustomerJobTest, ALoadThatCannotGoOnTellsWhyAndLeavesNoNewJob) {
    std::string chinese;  // a legal name, too long for its record
    for (int i = 0; i < 83; ++i) chinese += "长";
    testing::Put(fs, "/other/a.txt");
    testing::Put(fs, "/long/" + std::string(kMaxLoadPathBytes, 'n') + ".jpg");
    testing::Put(fs, "/chinese/" + chinese + ".jpg");
    fs.failing = "/card/b.jpg";
    const char* h = "hand back";
    const char* f = kBackupFailedMessage;
    const char* tooLong = kTreeTooLongMessage;
    const struct {
        const char* folder;
        Texts seen;
    } cases[] = {
        {"/other", {kNoPhotosMessage, h, "over", "price"}},
        {"/card", {"emptying", "started 2", "step", "emptying", h, "over", "price", f}},
        {"/long", {"emptying", tooLong, h, "over", "price", f}},
        {"/chinese", {"emptying", "started 1", "emptying", tooLong, h, "over", "price", f}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Open(c.folder), c.seen) << c.folder;
        EXPECT_EQ(state.photoList.GetSize(), 0) << c.folder;
        EXPECT_TRUE(state.orderInfo.storeDDH.empty()) << c.folder;
    }
    EXPECT_FALSE(fs.DirectoryExists(paths.WorkFolder("261207001")));
    // An open job stays when the day has no number left.
    fs.failing.clear();
    Open("/card");
    fs.ReplaceFile(paths.OrderIni(), "[idcount]\r\nidmax=2147483647\r\n");
    EXPECT_EQ(Open("/card"), (Texts{kNoOrderNumberMessage, "hand back", "over", "price"}));
    EXPECT_EQ(state.photoList.GetSize(), 2);
}

// A card of more than a page: eight photos, the seventh's copy held.
TEST_F(CustomerJobTest, TheFirstPageShowsBeforeTheRestIsCopiedAndNoOrderUntilItIs) {
    for (char c = '1'; c <= '8'; ++c) testing::Put(fs, std::string("/big/p") + c + ".jpg");
    fs.held = "/big/p7.jpg";
    fs.gate.Shut();
    ASSERT_TRUE(job.Open("/big", {}, false));
    while (state.photoList.GetSize() < 6 || state.bRefreshing)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_EQ(std::exchange(screen.seen, {}),
              (Texts{"emptying", "started 8", "step", "step", "step", "step", "step", "step",
                     "behind", "hand back", "leaving", "fill", "price"}));
    EXPECT_TRUE(job.Loading());
    EXPECT_FALSE(fs.FileExists(PhotoIni())) << "no file names a photo before all are copied";
    ProcessState again;  // started again after a cut now: as after a cut during a load
    testing::OnMemoryDay(again);
    EXPECT_FALSE(FindLeftJob(again, services));
    EXPECT_FALSE(job.CopiesDone());
    EXPECT_EQ(screen.seen, Texts{kStillCopyingMessage});
    fs.gate.Open();
    job.Wait();
    ASSERT_EQ(state.photoList.GetSize(), 8);
    EXPECT_EQ(state.photoList.At(7).dstName, "p8.jpg");
    EXPECT_TRUE(fs.FileExists(PhotoIni()));
    EXPECT_TRUE(job.CopiesDone());
    // A card pulled behind the first page: told as a failed load, and the
    // customer chooses whether the job goes on with what is copied.
    fs.failing = "/big/p8.jpg";
    const Texts given = Open("/big");
    EXPECT_EQ(Texts(given.end() - 6, given.end()),
              (Texts{kBackupFailedMessage, std::string("? ") + kAppendCopyFailedQuestion,
                     "emptying", "hand back", "over", "price"}));
    EXPECT_EQ(state.photoList.GetSize(), 0);
    EXPECT_FALSE(fs.DirectoryExists(paths.WorkFolder("261207002")));
    screen.answer = true;
    Open("/big");
    ASSERT_EQ(state.photoList.GetSize(), 7);
    std::string ini;
    ASSERT_TRUE(fs.ReadFile(PhotoIni(), &ini));
    EXPECT_NE(ini.find("p7.jpg"), std::string::npos);
    EXPECT_EQ(ini.find("p8.jpg"), std::string::npos);
    // Room is asked for the whole card, not for its first page.
    fs.listedBytes = std::uint64_t{200} << 20;
    disks = testing::FakeDisks(kBackupMinFreeMb + 500);
    EXPECT_EQ(Open("/big"), (Texts{kNoBackupSpaceMessage, "hand back", "over", "price"}));
    EXPECT_EQ(state.photoList.GetSize(), 7);
}

TEST_F(CustomerJobTest, APageShownWritesTheOrderFilesUntilPlacedAndAFullDiskIsToldOnce) {
    Open("/card");
    fs.refused.insert(PhotoIni());
    EXPECT_EQ(ShowPage(), (Texts{"leaving", "fill", kOrderFilesUnwrittenMessage, "price"}));
    EXPECT_EQ(ShowPage(), (Texts{"leaving", "fill", "price"}));
    EXPECT_TRUE(state.session.filesUnwritten);
    fs.refused.clear();
    state.session.bOrderPlaced = true;
    EXPECT_FALSE(WorkAtStake(state, job.Phone())) << "an end loses nothing placed";
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

TEST_F(CustomerJobTest, APhoneVisitsPhotosBecomeAJobUnderThePhonesNamesAndTheVisitEnds) {
    state.startup.settingsFolder = "/settings/";
    testing::Put(fs, "/settings/param.ini", "[phone]\r\nenabled=1\r\naddress=10.0.0.2\r\n");
    ASSERT_NE(job.OpenPhone(), "");
    PhoneSession& session = *job.Phone();
    Body body;
    body.bytes = testing::JpegBytes(64, 48);
    const WebRequest photo{
        session.PagePath() + "photo", {{"name", "Holiday.JPG"}}, body.bytes.size()};
    ASSERT_EQ(session.Post(photo, body).status, 200);
    EXPECT_TRUE(WorkAtStake(state, job.Phone()));
    const std::string folder = session.Folder();
    ASSERT_TRUE(job.Open(folder, {}, false));
    job.Wait();
    ASSERT_EQ(state.photoList.GetSize(), 1);
    EXPECT_EQ(state.photoList.At(0).origName, "holiday.jpg");
    // Chosen on the phone: ordered before any page shows it.
    EXPECT_EQ(FindUnseen(state.photoList).count, 0);
    EXPECT_EQ(job.Phone(), nullptr);
    EXPECT_FALSE(fs.DirectoryExists(folder));
}

TEST_F(CustomerJobTest, TheEndForgetsTheJobKeepsItsFilesAndGivesUpWhatIsNotYetBegun) {
    Open("/card");
    EXPECT_TRUE(WorkAtStake(state, job.Phone()));
    ASSERT_TRUE(job.ShowPage());
    job.End();
    EXPECT_EQ(screen.seen, (Texts{"leaving", "over", "emptying", "price"})) << "no page filled";
    EXPECT_EQ(state.photoList.GetSize(), 0);
    EXPECT_TRUE(state.orderInfo.storeDDH.empty());
    EXPECT_TRUE(job.PriceLine().empty());
    EXPECT_TRUE(fs.FileExists(paths.PhotoIni("261207001")));
    ASSERT_TRUE(job.Open("/card", {}, false));
    job.End();
    EXPECT_FALSE(state.bRefreshing);
    EXPECT_TRUE(state.orderInfo.storeDDH.empty());
    // A load under way goes with its work folder, whether copying or done.
    ASSERT_TRUE(job.Open("/card", {}, false));
    QCoreApplication::processEvents();  // its first step: the job and folder made
    const std::string work = paths.WorkFolder(state.orderInfo.storeDDH);
    ASSERT_TRUE(fs.DirectoryExists(work));
    job.End();
    EXPECT_FALSE(fs.DirectoryExists(work));
    EXPECT_EQ(state.photoList.GetSize(), 0);
}

TEST_F(CustomerJobTest, AnIdleEndRemovesAJobNeverPlacedAndKeepsAPlacedOne) {
    Open("/card");
    const std::string unplaced = paths.WorkFolder(state.orderInfo.storeDDH);
    job.End(JobEnd::kIdle);
    EXPECT_FALSE(fs.DirectoryExists(unplaced));
    EXPECT_FALSE(Profile(paths.OrderIni(), fs).HasSection("1"));
    EXPECT_TRUE(fs.FileExists("/card/a.jpg"));
    Open("/card");
    const std::string placed = paths.WorkFolder(state.orderInfo.storeDDH);
    state.session.bOrderPlaced = true;
    job.End(JobEnd::kIdle);
    EXPECT_TRUE(fs.FileExists(paths::Join(placed, "photo.ini")));
}

}  // namespace
}  // namespace orelle
