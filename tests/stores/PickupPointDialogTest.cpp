// The pickup point chooser filled from the stand-in server.
#include <gtest/gtest.h>

#include <QTest>
#include <QTreeWidget>

#include "platform/files/FileSystem.h"
#include "skin/BitmapButton.h"
#include "stores/PickupPointDialog.h"
#include "stores/StoreDirectory.h"
#include "stores/StoreListRefresh.h"
#include "submit/WebClient.h"
#include "support/StandInServer.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::StandInServer;
using testing::TempFolder;

constexpr const char* kPath = "/Lumora/manage/getslist.asp";

class PickupPointDialogTest : public ::testing::Test {
  protected:
    PickupPointDialogTest()
        : client_(testing::ServerAt(server_.port()), {}, HttpPoster::Default()) {}

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

// OK takes the selected row only; town then street narrow the list.
TEST_F(PickupPointDialogTest, OkTakesTheSelectedRowAndTownThenStreetNarrowTheList) {
    server_.Answer(kPath, testing::GbkText(testing::kStoreDirectory));
    auto d = Open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return d->Towns()->count() == 2; }, 5000));
    EXPECT_EQ(d->Notice(), "营业时间 9:00-18:00");
    EXPECT_EQ(d->Towns()->currentRow(), 0);
    ASSERT_EQ(d->Streets()->count(), 2);
    EXPECT_EQ(d->Streets()->item(1)->text(), "西街");
    ASSERT_EQ(d->Points()->topLevelItemCount(), 2);
    const QTreeWidgetItem& south = *d->Points()->topLevelItem(1);
    EXPECT_EQ(south.text(1) + "|" + south.text(2) + "|" + south.text(3),
              "南门店|5550002|南门路2号");

    Click(*d, PickupPointDialog::kOkId);
    EXPECT_TRUE(d->isVisible());

    d->Streets()->setCurrentRow(1);
    ASSERT_EQ(d->Points()->topLevelItemCount(), 1);
    EXPECT_EQ(d->Points()->topLevelItem(0)->text(0), "104");
    d->Towns()->setCurrentRow(1);  // a town without streets
    EXPECT_EQ(d->Streets()->count() + d->Points()->topLevelItemCount(), 0);

    d->Towns()->setCurrentRow(0);
    ASSERT_EQ(d->Points()->topLevelItemCount(), 2);
    d->Points()->setCurrentItem(d->Points()->topLevelItem(1));
    Click(*d, PickupPointDialog::kOkId);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(std::make_tuple(d->Serid(), d->Storename(), d->RowIndex()),
              std::make_tuple("102", "南门店", 1));
}

TEST_F(PickupPointDialogTest, WithoutADirectoryTheListsStayEmpty) {
    server_.Answer(kPath, "status=0%");
    auto d = Open();
    // Over once the flag is down.
    ASSERT_TRUE(QTest::qWaitFor([&] { return server_.Arrived() == 1 && !busy_; }, 5000));
    EXPECT_EQ(d->Towns()->count(), 0);
    EXPECT_EQ(d->Notice(), "正在登录......");
}

}  // namespace
}  // namespace orelle
