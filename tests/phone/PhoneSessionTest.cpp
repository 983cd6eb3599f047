// The phone session's rules over a scripted body: no network.
#include "phone/PhoneSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "phone/PhoneFolders.h"
#include "platform/files/FileSystem.h"
#include "support/FakeDisks.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

using testing::FakeDisks;
using testing::JpegBytes;
using testing::MemoryFileSystem;
using testing::TempFolder;
using testing::WriteBytes;

const std::string kPng = std::string("\x89PNG\r\n\x1A\n", 8) + std::string(40, 'x');
const std::string kHeic = std::string("\0\0\0\x18" "ftypheic", 12) + std::string(40, 'x');

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

TEST_F(PhoneSessionTest, TokensAreLongAndRandom) {
    const std::string first = session->Token();
    EXPECT_EQ(first.size(), 32u);  // 128 bits
    EXPECT_EQ(first.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_EQ(session->Address("10.0.0.5", 8765), "http://10.0.0.5:8765/" + session->Token() + "/");
}

TEST_F(PhoneSessionTest, StoresPhotosByContentUnderTheStationsNames) {
    std::vector<std::pair<std::string, std::string>> seen;
    session->SetStored([&seen](const PhoneReceived& p, std::string bytes) {
        seen.emplace_back(p.path, bytes);
    });
    const std::string jpeg = JpegBytes(64, 48);
    EXPECT_EQ(Send("IMG_0001.JPG", jpeg).status, 200);
    EXPECT_EQ(Send("Screenshot.png", kPng).status, 200);
    // The name says JPEG, the content HEIC: the content decides.
    const WebAnswer last = Send("IMG_0002.jpg", kHeic);
    EXPECT_EQ(last.status, 200);
    EXPECT_NE(last.body.find("\"count\":3"), std::string::npos);
    EXPECT_EQ(Files(), (std::set<std::string>{"p0001.jpg", "p0002.png", "p0003.heic"}));
    const std::vector<PhoneReceived> got = session->Received();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[2].kind, PhotoKind::kHeif);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].second, jpeg);
}

TEST_F(PhoneSessionTest, ThePhonesNameIsOnlyKeptCleaned) {
    EXPECT_EQ(Send("../../etc/Passwd.JPG", JpegBytes(8, 8)).status, 200);
    EXPECT_EQ(Send(std::string("a\nb\\..\\C:\xff.jpg"), JpegBytes(9, 9)).status, 200);
    const std::vector<PhoneReceived> got = session->Received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].origName, "passwd.jpg");
    EXPECT_EQ(got[1].origName.find_first_of("/\\\n"), std::string::npos);
    EXPECT_EQ(Files(), (std::set<std::string>{"p0001.jpg", "p0002.jpg"}));
}

TEST_F(PhoneSessionTest, ThePhotoSentAgainIsNotStoredTwice) {
    const std::string jpeg = JpegBytes(64, 48);
    EXPECT_EQ(Send("a.jpg", jpeg).status, 200);
    const WebAnswer again = Send("A.JPG", jpeg);
    EXPECT_EQ(again.status, 200);
    EXPECT_NE(again.body.find("\"duplicate\":true"), std::string::npos);
    EXPECT_EQ(Send("a.jpg", JpegBytes(65, 48)).status, 200);  // another size: another photo
    EXPECT_EQ(session->Count(), 2u);
}

TEST(PhoneSessionWrites, APhotoWhoseWriteFailedIsTakenWhenThePhoneSendsItAgain) {
    MemoryFileSystem files;
    FakeDisks disks;
    PhoneSession session("/root/phone/s/t", "/root", files, disks);
    ASSERT_TRUE(session.Open());
    files.refused.insert(session.Folder() + "p0001.jpg");
    const std::string jpeg = JpegBytes(64, 48);
    EXPECT_EQ(SendTo(session, "a.jpg", jpeg).status, 507);
    const WebAnswer again = SendTo(session, "a.jpg", jpeg);
    EXPECT_EQ(again.body.find("duplicate"), std::string::npos);
    EXPECT_EQ(session.Count(), 1u);
    EXPECT_EQ(files.files.count(session.Folder() + "p0002.jpg"), 1u);
}

// Two kiosks on one backup root, each with its settings folder.
TEST(PhoneStations, KeepTheirPhotosApartAndAStartClearsOnlyItsOwnKilledSessions) {
    TempFolder temp;
    FakeDisks disks;
    FileSystem& fs = FileSystem::Default();
    const std::string root = temp / "backup";
    struct Station {
        std::string settings;
        std::unique_ptr<PhoneSession> session;
    } a{temp / "a", nullptr}, b{temp / "b", nullptr};
    for (Station* s : {&a, &b}) {
        ASSERT_TRUE(fs.CreateDirectories(s->settings));
        RemovePhoneLeftovers(root, s->settings, fs);
        s->session = std::make_unique<PhoneSession>(
            NewPhoneSessionFolder(PhoneStationFolder(root, s->settings, fs)), root, fs, disks);
        ASSERT_TRUE(s->session->Open());
        EXPECT_EQ(SendTo(*s->session, "first.jpg", JpegBytes(10, 8)).status, 200);
    }
    for (int i = 0; i < 3; ++i)
        for (Station* s : {&a, &b})
            EXPECT_EQ(SendTo(*s->session, std::to_string(i) + ".jpg", JpegBytes(20 + i, 8)).status,
                      200);
    const auto allThere = [](const PhoneSession& s) {
        std::set<std::string> paths;
        for (const PhoneReceived& p : s.Received())
            if (std::filesystem::exists(p.path)) paths.insert(p.path);
        return paths.size();
    };
    EXPECT_EQ(allThere(*a.session), 4u);
    EXPECT_EQ(allThere(*b.session), 4u);

    // A is killed in the middle of a write, and starts again.
    const std::string killed = a.session->Folder();
    WriteBytes(killed + ".partial-999999-0", "half a photo");
    a.session.reset();
    RemovePhoneLeftovers(root, a.settings, fs);
    EXPECT_FALSE(std::filesystem::exists(killed));
    EXPECT_EQ(allThere(*b.session), 4u);
    EXPECT_EQ(SendTo(*b.session, "last.jpg", JpegBytes(30, 8)).status, 200);
    EXPECT_EQ(allThere(*b.session), 5u);
}

TEST_F(PhoneSessionTest, RefusedUploadsStoreNothing) {
    struct Case {
        const char* what;
        std::function<void(PhoneSessionTest&)> before;
        std::string bytes;
        std::size_t breakAt;
        int status;
    };
    const std::string jpeg = JpegBytes(640, 480);
    ASSERT_GT(jpeg.size(), 4000u);  // arrives in several pieces
    const std::vector<Case> cases = {
        {"a text file named .jpg", nullptr, "hello, not a photo", std::string::npos, 415},
        {"broken off half-way", nullptr, jpeg, jpeg.size() / 2, 400},
        {"over the photo size", [](auto& t) { t.limits.maxPhotoBytes = 100; t.Make(); }, jpeg,
         std::string::npos, 413},
        {"over the photo count", [](auto& t) { t.limits.maxPhotos = 0; t.Make(); }, jpeg,
         std::string::npos, 403},
        {"no room left on the backup disk",
         [](auto& t) { t.disks = FakeDisks(1000); t.Make(); }, jpeg, std::string::npos, 507},
        {"after the page's done",
         [](auto& t) {
             ScriptedBody none("");
             t.session->Post(WebRequest{t.session->PagePath() + "done", {}, 0}, none);
         },
         jpeg, std::string::npos, 410},
        {"after the station's done", [](auto& t) { t.session->Finish(); }, jpeg,
         std::string::npos, 410},
        {"after home", [](auto& t) { t.session->End(); }, jpeg, std::string::npos, 404},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        limits = PhoneLimits{};
        disks = FakeDisks(50000);
        Make();
        if (c.before) c.before(*this);
        const WebAnswer a = Send("x.jpg", c.bytes, c.breakAt);
        EXPECT_EQ(a.status, c.status);
        EXPECT_EQ(session->Count(), 0u);
        if (std::filesystem::exists(temp / "phone")) {
            EXPECT_TRUE(Files().empty());
        }
    }
}

TEST_F(PhoneSessionTest, EveryOtherPathIsNotFoundWithoutDetail) {
    const std::string t = session->Token();
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

TEST_F(PhoneSessionTest, EndsWhenIdle) {
    EXPECT_EQ(Send("a.jpg", JpegBytes(8, 8)).status, 200);
    now += std::chrono::minutes(14);
    EXPECT_FALSE(session->IdleOver());
    session->Get(WebRequest{session->PagePath() + "status", {}, {}});  // the page is alive
    now += std::chrono::minutes(14);
    EXPECT_FALSE(session->IdleOver());
    now += std::chrono::minutes(1);
    EXPECT_TRUE(session->IdleOver());
}

}  // namespace
}  // namespace orelle
