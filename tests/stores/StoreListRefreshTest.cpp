// The directory refresh: storelist.ini is replaced only by a directory.
#include <gtest/gtest.h>

#include "orderdata/ParamConfig.h"
#include "platform/files/FileSystem.h"
#include "stores/StoreListRefresh.h"
#include "submit/WebClient.h"
#include "support/ScriptedPoster.h"
#include "support/StandInServer.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::ReadBytes;
using testing::StandInServer;
using testing::TempFolder;
using testing::WriteBytes;

constexpr const char* kPath = "/Lumora/manage/getslist.asp";

class StoreListRefreshTest : public ::testing::Test {
  protected:
    StoreListRefreshTest() { WriteBytes(file_, kOld); }

    std::optional<StoreList> Refresh(const std::function<bool()>& stopped = {}) {
        HttpLimits limits;
        limits.totalTimeoutMs = 1000;
        return RefreshStoreList(WebClient(config_, limits, HttpPoster::Default()),
                                FileSystem::Default(), file_, stopped);
    }

    static constexpr const char* kOld = "[storecount]\r\ncount=0\r\n";
    StandInServer server_;
    ParamConfig config_ = testing::ServerAt(server_.port());
    TempFolder folder_;
    std::string file_ = StoreListPath(folder_.path() + "/");
};

// Anything but a directory keeps the last good file.
TEST_F(StoreListRefreshTest, ADirectoryIsStoredWithLineBreaksAndReadAndNothingElse) {
    for (const char* reply : {"status=0%", ""}) {
        server_.Answer(kPath, reply);
        EXPECT_FALSE(Refresh());
        EXPECT_EQ(ReadBytes(file_), kOld);
    }
    server_.Answer(kPath, "[storecount]<br>count=1<br>[1]<br>serid=9<br>");
    const auto list = Refresh();
    ASSERT_TRUE(list);
    ASSERT_EQ(list->points.size(), 1u);
    EXPECT_EQ(ReadBytes(file_), "[storecount]\r\ncount=1\r\n[1]\r\nserid=9\r\n");
    ASSERT_EQ(server_.Requests().size(), 3u);
    EXPECT_EQ(server_.Requests()[2].body, "pt=0");
}

TEST_F(StoreListRefreshTest, AStopDuringTheExchangeLeavesTheFile) {
    bool stop = false;
    testing::ScriptedPoster poster;
    poster.answer = [&](const HttpPost&) {
        stop = true;
        return std::string("[storecount]<br>count=0<br>");
    };
    EXPECT_FALSE(RefreshStoreList(WebClient(config_, {}, poster), FileSystem::Default(), file_,
                                  [&] { return stop; }));
    EXPECT_EQ(ReadBytes(file_), kOld);
}

}  // namespace
}  // namespace orelle
