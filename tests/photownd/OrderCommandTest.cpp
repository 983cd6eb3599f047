// The window's order commands with its real dialogs, every one accepted as
// it opens: the order is placed once, the host hears of it once, and the
// next customer starts with nothing of this one's.
#include <gtest/gtest.h>

#include <filesystem>

#include "orelle/HostMessage.h"
#include "photownd/UnattendedAnswers.h"
#include "platform/paths/Paths.h"
#include "support/PhotoWindowFixture.h"

namespace orelle {
namespace {

class OrderCommandTest : public testing::PhotoWindowFixture {
  protected:
    OrderCommandTest() {
        // A copy of the shipped settings, which the order dialog reads.
        namespace fs = std::filesystem;
        const fs::path settings = dir / "settings";
        fs::create_directories(settings);
        for (const char* file : {"param.ini", "ver_ctrl.ini"})
            fs::copy_file(fs::path(paths::ProgramFolder()) / file, settings / file);
        state.startup.settingsFolder = settings.string() + "/";
        AddPhotos(3);
        for (std::int32_t i = 0; i < state.photoList.GetSize(); ++i) {
            PhotoRecord& r = state.photoList.At(i);
            r.productID = state.startup.catalogue.GetCode(r.specIndex);
            r.bBrowsed = 1;
        }
        state.orderInfo.storeDDH = "261207005";
        fs::create_directories(fs::path(state.startup.config.dir) / state.startup.date.dateStr /
                               state.orderInfo.storeDDH);
        state.orderInfo.historyID = 7;
        // The host's member, as SetStoreid gives it.
        state.session.memberAccount = "M01";
        state.session.memberPassword = "pw";
    }

    int HandBacks() const {
        return static_cast<int>(
            std::count(host.messages.begin(), host.messages.end(), kMessageHandBack));
    }
};

TEST_F(OrderCommandTest, TheOrderButtonPlacesOnceAndTheKeyThenOnlySaysSo) {
    const UnattendedAnswers answers;
    state.startup.config.userinfo.username = "张三";
    Command(1220);
    ASSERT_TRUE(state.session.bOrderPlaced) << answers.LastShown();
    ASSERT_EQ(HandBacks(), 1);
    const auto& values = host.values[host.messages.size() - 1];
    EXPECT_EQ(values.wParam, state.startup.date.DateNumber());
    EXPECT_EQ(values.lParam, 7);
    EXPECT_EQ(state.orderInfo.saleDDH, state.startup.config.computerId + "20261207005");

    for (int i = 0; i < 3; ++i) Key('O');
    EXPECT_EQ(answers.LastShown(), "本次制作已经下单");
    EXPECT_EQ(HandBacks(), 1);

    // Home: the next customer sees nothing of this order.
    Command(1215);
    EXPECT_FALSE(state.session.bOrderPlaced);
    EXPECT_TRUE(state.orderInfo.saleDDH.empty());
    EXPECT_TRUE(state.session.OrderRequirement.empty());
    EXPECT_TRUE(state.session.ProductList.empty());
    EXPECT_TRUE(state.startup.config.userinfo.username.empty());
}

TEST_F(OrderCommandTest, NothingIsAskedOrPlacedWhileAWorkerOwnsTheJob) {
    const UnattendedAnswers answers;
    state.bRefreshing = true;
    window->OnCommand(1220);
    state.bRefreshing = false;
    EXPECT_FALSE(state.session.bOrderPlaced);
    EXPECT_EQ(HandBacks(), 0);
    EXPECT_TRUE(answers.LastShown().empty());
}

}  // namespace
}  // namespace orelle
