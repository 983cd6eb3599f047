// The pickup point chooser filled from the stand-in server.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QTreeWidget>

#include "orderdata/ParamConfig.h"
#include "platform/files/FileSystem.h"
#include "skin/BitmapButton.h"
#include "stores/PickupPointDialog.h"
#include "stores/StoreListRefresh.h"
#include "submit/WebClient.h"
#include "support/StandInServer.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::ReadBytes;
using testing::StandInServer;
using testing::TempFolder;
using testing::WriteBytes;

constexpr const char* kPath = "/Lumora/manage/getslist.asp";
constexpr const char* kDirectory =
    "[storecount]<br>count=3<br>notify=营业时间 9:00-18:00<br>"
    "[1]<br>serid=101<br>storename=东门店<br>storetel=5550001<br>storeaddr=东门路1号<br>streetcode="
    "S1<br>"
    "[2]<br>serid=102<br>storename=南门店<br>storetel=5550002<br>storeaddr=南门路2号<br>streetcode="
    "S1<br>"
    "[3]<br>serid=103<br>storename=西门店<br>storetel=5550003<br>storeaddr=西门路3号<br>streetcode="
    "S2<br>"
    "[towncount]<br>count=2<br>[town1]<br>code=T1<br>town=城关镇<br>[town2]<br>code=T2<br>town="
    "新镇<br>"
    "[streetcount]<br>count=2<br>[street1]<br>code=S1<br>street=东街<br>towncode=T1<br>"
    "[street2]<br>code=S2<br>street=西街<br>towncode=T1<br>";

class PickupPointDialogTest : public ::testing::Test {
  protected:
    PickupPointDialogTest()
        : client_(testing::ServerAt(server_.port()), {}, HttpPoster::Default()) {
        WriteBytes(file_, "old");
    }

    std::unique_ptr<PickupPointDialog> Open() {
        auto dialog =
            std::make_unique<PickupPointDialog>(client_, FileSystem::Default(), file_, busy_);
        dialog->InitDialog();
        dialog->show();
        return dialog;
    }

    void Click(PickupPointDialog& d, int id) {
        QTest::mouseClick(d.findChild<BitmapButton*>(QString::number(id)), Qt::LeftButton, {},
                          QPoint(10, 10));
    }

    StandInServer server_;
    WebClient client_;
    std::atomic<bool> busy_{false};
    TempFolder folder_;
    std::string file_ = StoreListPath(folder_.path() + "/");
};

TEST_F(PickupPointDialogTest, TownThenStreetNarrowTheList) {
    server_.Answer(kPath, testing::GbkText(kDirectory));
    auto d = Open();
    EXPECT_EQ(d->Notice(), "正在登录......");
    QTRY_COMPARE_WITH_TIMEOUT(d->Towns()->count(), 2, 5000);
    EXPECT_EQ(d->Notice(), "营业时间 9:00-18:00");
    EXPECT_EQ(d->Towns()->currentRow(), 0);
    ASSERT_EQ(d->Streets()->count(), 2);
    EXPECT_EQ(d->Streets()->item(1)->text(), "西街");
    ASSERT_EQ(d->Points()->topLevelItemCount(), 2);
    EXPECT_EQ(d->Points()->topLevelItem(1)->text(1), "南门店");
    EXPECT_EQ(d->Points()->topLevelItem(1)->text(2), "5550002");
    EXPECT_EQ(d->Points()->topLevelItem(1)->text(3), "南门路2号");

    d->Streets()->setCurrentRow(1);
    ASSERT_EQ(d->Points()->topLevelItemCount(), 1);
    EXPECT_EQ(d->Points()->topLevelItem(0)->text(0), "103");

    d->Towns()->setCurrentRow(1);  // a town without streets
    EXPECT_EQ(d->Streets()->count(), 0);
    EXPECT_EQ(d->Points()->topLevelItemCount(), 0);
}

TEST_F(PickupPointDialogTest, OkTakesTheSelectedRowOnly) {
    server_.Answer(kPath, testing::GbkText(kDirectory));
    auto d = Open();
    QTRY_COMPARE_WITH_TIMEOUT(d->Points()->topLevelItemCount(), 2, 5000);
    Click(*d, PickupPointDialog::kOkId);
    EXPECT_TRUE(d->isVisible());
    d->Points()->setCurrentItem(d->Points()->topLevelItem(1));
    Click(*d, PickupPointDialog::kOkId);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->Serid(), "102");
    EXPECT_EQ(d->Storename(), "南门店");
    EXPECT_EQ(d->RowIndex(), 1);
}

TEST_F(PickupPointDialogTest, WithoutADirectoryTheListsStayEmpty) {
    server_.Answer(kPath, "status=0%");
    auto d = Open();
    QTRY_COMPARE_WITH_TIMEOUT(server_.Arrived(), 1, 5000);
    QTest::qWait(200);
    EXPECT_EQ(d->Towns()->count(), 0);
    EXPECT_EQ(d->Notice(), "正在登录......");
    EXPECT_EQ(ReadBytes(file_), "old");
}

TEST_F(PickupPointDialogTest, CancelAgainstAStalledServerClosesAtOnceAndChangesNothing) {
    server_.Script(kPath, testing::StandInReply{"", 0, true, 0});
    auto d = Open();
    QTRY_COMPARE_WITH_TIMEOUT(server_.Arrived(), 1, 5000);
    QElapsedTimer clock;
    clock.start();
    Click(*d, PickupPointDialog::kCancelId);
    EXPECT_FALSE(d->isVisible());
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_EQ(ReadBytes(file_), "old");
    EXPECT_FALSE(busy_);
}

}  // namespace
}  // namespace orelle
