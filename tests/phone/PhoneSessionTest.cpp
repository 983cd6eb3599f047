// The phone session's rules over a scripted body: no network.
#include "phone/PhoneSession.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "orderdata/BackupJob.h"
#include "orderdata/FeatureFlags.h"
#include "orderdata/PhotoTree.h"
#include "phone/PhoneFolders.h"
#include "platform/files/FileSystem.h"
#include "platform/imaging/PictureFile.h"
#include "platform/imaging/StationCopy.h"
#include "support/FakeDisks.h"
#include "support/MemoryFileSystem.h"
#include "support/PhonePhotos.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

using testing::FakeDisks;
using testing::JpegBytes;
using testing::MemoryFileSystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const std::string kPng = std::string("\x89PNG\r\n\x1A\n", 8) + std::string(40, 'x');
const std::string kHeic = std::string("\0\0\0\030ftypheic", 12) + std::string(40, 'x');

// A body that arrives in pieces of 1000 bytes and may break off after
// `breakAt` bytes.
class ScriptedBody : public WebBody {
  public:
    explicit ScriptedBody(std::string bytes, std::size_t breakAt = std::string::npos)
        : bytes_(std::move(bytes)), breakAt_(breakAt) {}
    bool Read(const std::function<bool(std::string_view)>& piece) override {
        for (std::size_t at = 0; at < bytes_.size(); at += 1000) {
            if (at >= breakAt_) return false;
            if (!piece(std::string_view(bytes_).substr(at, 1000))) return false;
        }
        return true;
    }

  private:
    std::string bytes_;
    std::size_t breakAt_;
};

WebAnswer SendTo(PhoneSession& session, const std::string& name, const std::string& bytes,
                 std::size_t breakAt = std::string::npos) {
    WebRequest r{session.PagePath() + "photo", {{"name", name}}, bytes.size()};
    ScriptedBody body(bytes, breakAt);
    return session.Post(r, body);
}

struct PhoneSessionTest : ::testing::Test {
    TempFolder temp;
    FakeDisks disks{50000};
    std::chrono::steady_clock::time_point now{};
    PhoneLimits limits;
    std::unique_ptr<PhoneSession> session;

    void SetUp() override { Make(); }
    void Make() {
        session = std::make_unique<PhoneSession>(temp / "phone", temp.path(), FileSystem::Default(),
                                                 disks, limits, [this] { return now; });
        ASSERT_TRUE(session->Open());
    }
    WebAnswer Send(const std::string& name, const std::string& bytes,
                   std::size_t breakAt = std::string::npos) {
        return SendTo(*session, name, bytes, breakAt);
    }
    std::set<std::string> Files() {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(temp / "phone"))
            names.insert(e.path().filename().string());
        return names;
    }
};

TEST_F(PhoneSessionTest, StoresPhotosByContentOnceEachUnderTheStationsNames) {
    std::vector<std::pair<std::string, std::string>> seen;
    session->SetStored(
        [&seen](const PhoneReceived& p, std::string bytes) { seen.emplace_back(p.path, bytes); });
    const std::string jpeg = JpegBytes(64, 48);
    EXPECT_EQ(Send("IMG_0001.JPG", jpeg).status, 200);
    EXPECT_EQ(Send("Screenshot.png", kPng).status, 200);
    // The name says JPEG, the content HEIC: the content decides.
    const WebAnswer last = Send("IMG_0002.jpg", kHeic);
    EXPECT_EQ(last.status, 200);
    EXPECT_NE(last.body.find("\"count\":3"), std::string::npos);
    // The same photo again is not stored twice; another size is another photo.
    const WebAnswer again = Send("img_0001.jpg", jpeg);
    EXPECT_EQ(again.status, 200);
    EXPECT_NE(again.body.find("\"duplicate\":true"), std::string::npos);
    EXPECT_EQ(Send("img_0001.jpg", JpegBytes(65, 48)).status, 200);
    // The phone's name is only kept cleaned.
    EXPECT_EQ(Send("../../etc/Passwd.JPG", JpegBytes(8, 8)).status, 200);
    EXPECT_EQ(Send(std::string("a\nb\\..\\C:\xff.jpg"), JpegBytes(9, 9)).status, 200);
    EXPECT_EQ(Files(), (std::set<std::string>{"p0001.jpg", "p0002.png", "p0003.heic", "p0004.jpg",
                                              "p0005.jpg", "p0006.jpg"}));
    const std::vector<PhoneReceived> got = session->Received();
    ASSERT_EQ(got.size(), 6u);
    EXPECT_EQ(got[2].kind, PhotoKind::kHeif);
    EXPECT_EQ(got[4].origName, "passwd.jpg");
    EXPECT_EQ(got[5].origName.find_first_of("/\\\n"), std::string::npos);
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[0].second, jpeg);
}

TEST(PhoneSessionWrites, APhotoWhoseWriteFailedIsTakenWhenThePhoneSendsItAgain) {
    MemoryFileSystem files;
    FakeDisks disks;
    PhoneSession session("/root/phone/s/t", "/root", files, disks);
    ASSERT_TRUE(session.Open());
    files.refused.insert(session.Folder() + "p0001.jpg");
    EXPECT_EQ(SendTo(session, "a.jpg", JpegBytes(64, 48)).status, 507);
    EXPECT_EQ(SendTo(session, "a.jpg", JpegBytes(64, 48)).body.find("dupl"), std::string::npos);
    EXPECT_EQ(session.Count(), 1u);
}

// Two kiosks on one backup root, each with its own settings folder.
TEST(PhoneStations, KeepTheirPhotosApartAndAStartClearsOnlyItsOwnKilledSessions) {
    TempFolder temp;
    FakeDisks disks;
    FileSystem& fs = FileSystem::Default();
    std::unique_ptr<PhoneSession> sessions[2];
    const auto start = [&](int i) {  // the station's start, then a session
        const std::string settings = temp / std::to_string(i), root = temp / "backup";
        fs.CreateDirectories(settings);
        RemovePhoneLeftovers(root, settings, fs);
        sessions[i] = std::make_unique<PhoneSession>(
            NewPhoneSessionFolder(PhoneStationFolder(root, settings, fs)), root, fs, disks);
        return sessions[i]->Open();
    };
    const auto kept = [](const PhoneSession& s) {
        int n = 0;
        for (const PhoneReceived& p : s.Received()) n += std::filesystem::exists(p.path);
        return n;
    };
    ASSERT_TRUE(start(0));
    EXPECT_EQ(SendTo(*sessions[0], "a.jpg", JpegBytes(10, 8)).status, 200);
    ASSERT_TRUE(start(1));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(SendTo(*sessions[i % 2], "b.jpg", JpegBytes(20 + i, 8)).status, 200);
    EXPECT_EQ(kept(*sessions[0]), 3);
    EXPECT_EQ(kept(*sessions[1]), 2);
    // Station 0 is killed in the middle of a write and starts again.
    const std::string killed = sessions[0]->Folder();
    WriteBytes(killed + ".partial-999999-0", "half a photo");
    ASSERT_TRUE(start(0));
    EXPECT_FALSE(std::filesystem::exists(killed));
    EXPECT_EQ(kept(*sessions[1]), 2);
}

TEST_F(PhoneSessionTest, RefusedUploadsStoreNothing) {
    struct Case {
        const char* what;
        std::function<void(PhoneSessionTest&)> before;  // the session's making
        std::function<void(PhoneSession&)> after;
        std::string bytes;
        int status;
        const char* why = nullptr;
        std::size_t breakAt = std::string::npos;
    };
    const std::string jpeg = JpegBytes(640, 480);
    ASSERT_GT(jpeg.size(), 4000u);  // arrives in several pieces
    const std::vector<Case> cases = {
        {"a text file named .jpg", nullptr, nullptr, "hello, not a photo", 415},
        {"only the start of a JPEG", nullptr, nullptr, jpeg.substr(0, 4) + std::string(5000, 'x'),
         415, kPhoneUnreadable},
        {"broken off half-way", nullptr, nullptr, jpeg, 400, nullptr, jpeg.size() / 2},
        {"over the photo size", [](auto& t) { t.limits.maxPhotoBytes = 100; }, nullptr, jpeg, 413},
        {"over the photo count", [](auto& t) { t.limits.maxPhotos = 0; }, nullptr, jpeg, 403},
        {"no room left on the backup disk", [](auto& t) { t.disks = FakeDisks(1000); }, nullptr,
         jpeg, 507},
        {"after the station's done", nullptr, [](PhoneSession& s) { s.Finish(); }, jpeg, 410},
        {"after home", nullptr, [](PhoneSession& s) { s.End(); }, jpeg, 404},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        limits = PhoneLimits{};
        disks = FakeDisks(50000);
        if (c.before) c.before(*this);
        Make();
        if (c.after) c.after(*session);
        const WebAnswer a = Send("x.jpg", c.bytes, c.breakAt);
        EXPECT_EQ(a.status, c.status);
        if (c.why) {
            EXPECT_NE(a.body.find(c.why), std::string::npos) << a.body;
        }
        EXPECT_EQ(session->Count(), 0u);
        if (std::filesystem::exists(temp / "phone")) {
            EXPECT_TRUE(Files().empty());
        }
    }
}

TEST_F(PhoneSessionTest, AnUploadThatThrowsGivesBackWhatItTook) {
    struct Throwing : WebBody {
        bool Read(const std::function<bool(std::string_view)>&) override {
            throw std::bad_function_call();
        }
    } body;
    const std::string jpeg = JpegBytes(64, 48);
    const WebRequest r{session->PagePath() + "photo", {{"name", "a.jpg"}}, jpeg.size()};
    for (int i = 0; i <= limits.uploadsAtOnce; ++i)
        EXPECT_THROW(session->Post(r, body), std::bad_function_call);
    EXPECT_EQ(Send("a.jpg", jpeg).body, "{\"ok\":true,\"state\":\"open\",\"count\":1}");
}

TEST_F(PhoneSessionTest, TheTokenIsLongAndRandomAndEveryOtherPathIsNotFoundWithoutDetail) {
    const std::string t = session->Token();
    EXPECT_EQ(t.size(), 32u);  // 128 bits
    EXPECT_EQ(t.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_EQ(session->Address("10.0.0.5", 8765), "http://10.0.0.5:8765/" + t + "/");
    EXPECT_EQ(session->Get(WebRequest{"/" + t + "/", {}, {}}).status, 200);
    EXPECT_NE(session->Get(WebRequest{"/" + t + "/", {}, {}}).body.find("id=\"photos\""),
              std::string::npos);
    for (const std::string& path :
         {std::string("/"), "/" + t, "/" + t + "/../" + t + "/", "/" + t + "x/",
          "/" + std::string(32, '0') + "/", "/" + t + "/photo/..", "/" + t + "/page.html"}) {
        SCOPED_TRACE(path);
        const WebAnswer a = session->Get(WebRequest{path, {}, {}});
        EXPECT_EQ(a.status, 404);
        EXPECT_TRUE(a.body.empty());
    }
    // An upload to a wrong token, or without its name, is not one either.
    WebRequest wrong{"/" + std::string(32, 'a') + "/photo", {{"name", "x.jpg"}}, 10};
    ScriptedBody body("0123456789");
    EXPECT_EQ(session->Post(wrong, body).status, 404);
    WebRequest unnamed{session->PagePath() + "photo", {}, 10};
    EXPECT_EQ(session->Post(unnamed, body).status, 404);
    EXPECT_EQ(session->Count(), 0u);
}

TEST_F(PhoneSessionTest, AnEmptyDoneEndsNothingAndPhotosOnTheirWayAreCounted) {
    ScriptedBody none("");
    const WebRequest done{session->PagePath() + "done", {}, 0};
    const WebAnswer early = session->Post(done, none);
    EXPECT_EQ(early.status, 409);
    EXPECT_NE(early.body.find(kPhoneNothingSent), std::string::npos);
    EXPECT_FALSE(session->Finished());
    // The page says with each photo how many it still holds.
    const std::string jpeg = JpegBytes(32, 24);
    ScriptedBody body(jpeg);
    const WebRequest photo{
        session->PagePath() + "photo", {{"name", "a"}, {"left", "2"}}, jpeg.size()};
    EXPECT_EQ(session->Post(photo, body).status, 200);
    EXPECT_EQ(session->Pending(), 2);
    const std::string big = JpegBytes(640, 480);
    EXPECT_EQ(Send("b.jpg", big, big.size() / 2).status, 400);
    EXPECT_EQ(session->Pending(), 3);  // broken off: the page sends it again
    EXPECT_EQ(Send("b.jpg", big).status, 200);
    EXPECT_EQ(session->Pending(), 2);
    EXPECT_EQ(session->Post(done, none).status, 200);
    EXPECT_TRUE(session->Finished());
    EXPECT_EQ(session->Pending(), 0);
}

TEST_F(PhoneSessionTest, TheLinkLivesForOneVisitAndGivesThePlacedOrderOnce) {
    const auto get = [this](const char* tail) {
        return session->Get(WebRequest{session->PagePath() + tail, {}, {}});
    };
    EXPECT_EQ(Send("a.jpg", JpegBytes(8, 8)).status, 200);
    session->Finish();
    session->Handed();
    EXPECT_FALSE(std::filesystem::exists(temp / "phone"));
    EXPECT_EQ(get("").status, 404);  // a refresh finds it ended
    EXPECT_EQ(get("status").body, "{\"ok\":true,\"state\":\"over\",\"count\":1}");
    session->Placed({"2026120900012", 3, "预计 \"18:30\" 后可取件", std::string("\x89PNG", 4)});
    session->End();  // home after the order: the answer stays for the page
    EXPECT_EQ(
        get("status").body,
        "{\"ok\":true,\"state\":\"placed\",\"order\":\"2026120900012\",\"prints\":3,"
        "\"pickup\":\"预计 \\\"18:30\\\" 后可取件\",\"qr\":\"data:image/png;base64,iVBORw==\"}");
    EXPECT_EQ(get("status").status, 404);

    Make();  // whatever the phone does, the link's life is counted from its showing
    for (int minute = 0; minute < 30; ++minute, now += std::chrono::minutes(1))
        EXPECT_EQ(get("").status, 200);
    EXPECT_TRUE(session->LinkOver());
    EXPECT_EQ(get("status").status, 404);
    EXPECT_EQ(Send("b.jpg", JpegBytes(8, 8)).status, 404);
}

// The machine's files, counting the photos read whole (a conversion's
// read), the made copies written and the threads that wrote them ended,
// and holding the write of a made copy whose name holds `held` until the
// test opens the gate or the session's folder goes.
class WatchedFiles : public LocalFileSystem {
  public:
    std::string held = "-";
    bool ReadFilePart(const std::string& path, std::uint64_t offset, std::size_t size,
                      std::string* bytes) override {
        if (size > kMaxPhotoBytes) Note([&] { ++wholeReads[path]; });
        return LocalFileSystem::ReadFilePart(path, offset, size, bytes);
    }
    bool WriteFile(const std::string& to, std::string_view contents) override {
        if (to.find("-made/") == std::string::npos) return LocalFileSystem::WriteFile(to, contents);
        if (to.find(held) != std::string::npos) {
            std::unique_lock<std::mutex> lock(mutex_);
            holding_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return open_; });
        }
        // The worker's end is noted as it ends, before a join returns.
        static thread_local const ThreadEnd worker{this};
        const bool ok = LocalFileSystem::WriteFile(to, contents);
        Note([&] { made.push_back(std::filesystem::path(to).filename().string()); });
        return ok;
    }
    bool RemoveTree(const std::string& path) override {
        Note([&] { open_ = open_ || holding_; });
        return LocalFileSystem::RemoveTree(path);
    }
    void Open() {
        Note([&] { open_ = true; });
    }
    void UntilHeld() {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return holding_; });
    }
    std::map<std::string, int> wholeReads;
    std::vector<std::string> made;
    int workersStarted = 0, workersEnded = 0;  // of those that made a copy

  private:
    struct ThreadEnd {
        WatchedFiles* files;
        explicit ThreadEnd(WatchedFiles* f) : files(f) {
            files->Note([this] { ++files->workersStarted; });
        }
        ~ThreadEnd() {
            files->Note([this] { ++files->workersEnded; });
        }
    };
    template <typename F>
    void Note(F change) {
        std::lock_guard<std::mutex> lock(mutex_);
        change();
        changed_.notify_all();
    }
    std::mutex mutex_;
    std::condition_variable changed_;
    bool holding_ = false, open_ = false;
};

struct PhoneConversionsTest : ::testing::Test {
    void SetUp() override {
        WriteBytes(temp / "corners.png", testing::PngBytes(testing::CornerPicture(64, 48)));
        heic = testing::HeicFrom(temp / "corners.png", temp / "corners.heic");
        if (heic.empty()) {
            if (std::getenv("CI")) FAIL() << "heif-enc is missing";
            GTEST_SKIP() << "heif-enc is not installed";
        }
        session = std::make_unique<PhoneSession>(temp / "phone", temp.path(), files, disks);
        ASSERT_TRUE(session->Open());
    }
    TempFolder temp;
    FakeDisks disks;
    WatchedFiles files;
    std::string heic;
    std::unique_ptr<PhoneSession> session;
};

TEST_F(PhoneConversionsTest, TheLoadWritesTheCopiesMadeDuringTheVisitAsItWouldHaveMadeThem) {
    files.held = "p0002";  // the PNG's copy is still under way when the load wants it
    ASSERT_EQ(SendTo(*session, "a.heic", heic).status, 200);
    ASSERT_EQ(SendTo(*session, "b.png", ReadBytes(temp / "corners.png")).status, 200);
    ASSERT_EQ(SendTo(*session, "c.jpg", JpegBytes(64, 48)).status, 200);
    files.UntilHeld();  // the HEIC's copy is made
    const auto load = [this](FileSystem& fs, const std::string& work, bool made) {
        BackupJob job(fs, disks, PrintCatalogue{}, kEditionDatabase);
        if (made) {
            job.madeCopies = [this, copies = session->MadeCopies()](const std::string& path) {
                if (path.ends_with(".png")) files.Open();
                return copies(path);
            };
        }
        EXPECT_TRUE(job.CopyTree(FindTreePhotos(fs, session->Folder(), {}), temp / work));
        std::vector<std::string> got;
        for (std::int32_t i = 0; i < job.records.GetSize(); ++i) {
            const PhotoRecord& r = job.records.At(i);
            got.push_back(r.dstName + " " + std::to_string(r.number) + " " + ReadBytes(r.srcName));
        }
        return got;
    };
    const std::vector<std::string> plain = load(FileSystem::Default(), "plain", false);
    EXPECT_EQ(load(files, "work", true), plain);
    ASSERT_EQ(plain.size(), 3u);
    // Each converted once, before the load or while it waited.
    EXPECT_EQ(files.wholeReads, (std::map<std::string, int>{{session->Folder() + "p0001.heic", 1},
                                                            {session->Folder() + "p0002.png", 1}}));
    EXPECT_EQ(files.made.size(), 2u);
    session->Handed();
    EXPECT_FALSE(std::filesystem::exists(temp / "phone-made"));
    EXPECT_EQ(files.workersEnded, files.workersStarted);
}

TEST_F(PhoneConversionsTest, AVisitEndedMidConversionLeavesNoThreadAndNoFile) {
    files.held = "p0001";
    ASSERT_EQ(SendTo(*session, "a.heic", heic).status, 200);
    files.UntilHeld();
    // The photos go first; the worker then writes its copy, and End waits
    // for it before the copies' folder goes.
    session->End();
    EXPECT_EQ(files.made, std::vector<std::string>{"p0001.heic"});
    EXPECT_EQ(files.workersEnded, 1);
    EXPECT_FALSE(std::filesystem::exists(temp / "phone"));
    EXPECT_FALSE(std::filesystem::exists(temp / "phone-made"));
    EXPECT_FALSE(session->MadeCopies()(session->Folder() + "p0001.heic"));
}

TEST_F(PhoneConversionsTest, ACopyThatWouldEatTheReserveIsLeftToTheLoad) {
    // Room for the photo, then none for its copy: the worker asks once.
    struct FillingDisk : DiskInfo {
        std::mutex mutex;
        std::condition_variable asked;
        int queries = 0;
        bool Query(const std::string&, DiskFacts* facts) override {
            std::lock_guard<std::mutex> lock(mutex);
            facts->freeBytes =
                ++queries == 1 ? std::uint64_t{50000} << 20 : PhoneLimits{}.reserveBytes;
            asked.notify_all();
            return true;
        }
    } disk;
    PhoneSession full(temp / "full", temp.path(), files, disk);
    ASSERT_TRUE(full.Open());
    ASSERT_EQ(SendTo(full, "a.heic", heic).status, 200);
    std::unique_lock<std::mutex> lock(disk.mutex);
    disk.asked.wait(lock, [&disk] { return disk.queries == 2; });
    lock.unlock();
    EXPECT_FALSE(full.MadeCopies()(full.Folder() + "p0001.heic"));
    EXPECT_TRUE(files.made.empty());
}

}  // namespace
}  // namespace orelle
