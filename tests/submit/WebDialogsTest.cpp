// The album login, album choice, back-office login and service notice
// against the stand-in server: their wiring.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "submit/AlbumChoiceDialog.h"
#include "submit/AlbumLoginDialog.h"
#include "submit/BackOfficeLogin.h"
#include "submit/BackOfficeLoginDialog.h"
#include "submit/ServiceNoticeDialog.h"
#include "submit/WebClient.h"
#include "support/ModalAnswer.h"
#include "support/StandInServer.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::StandInServer;

constexpr const char* kAlbumPath = "/Lumora/client/albumlogin.asp";
constexpr const char* kStorePath = "/Lumora/storemanage/smlogin.asp";
constexpr const char* kNotifyPath = "/Lumora/manage/notify.asp";

class WebDialogsTest : public ::testing::Test {
  protected:
    WebDialogsTest() : client_(testing::ServerAt(server_.port()), {}, HttpPoster::Default()) {}

    // Shows the dialog, fills its fields and presses OK.
    static void LogIn(LoginDialog& d, const char* user, const char* password) {
        d.show();
        d.findChild<QLineEdit*>(QString::number(LoginDialog::kUserId))->setText(user);
        d.findChild<QLineEdit*>(QString::number(LoginDialog::kPasswordId))->setText(password);
        QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    }

    StandInServer server_;
    testing::ModalRecorder modal_;
    WebClient client_;
    std::atomic<bool> busy_{false};
};

// A short order number keeps the dialog open for another try.
TEST_F(WebDialogsTest, AlbumLoginAcceptsOnlyWithAWholeOrderNumberAndGivesTheList) {
    server_.Answer(kAlbumPath, "status=0%orderid=12345%");
    AlbumLoginDialog d(client_, busy_);
    LogIn(d, "", "");
    ASSERT_EQ(modal_.shown.size(), 1u);  // both fields empty: a warning, then the login
    EXPECT_EQ(modal_.shown[0], "提示!: 请认真填写会员号和密码!");
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.OkButton()->isEnabled(); }, 5000));
    EXPECT_EQ(d.Hint(), "网络订单数据获取失败");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.OrderNumber(), "");

    server_.Answer(kAlbumPath, "status=0%orderid=123456%\\12:Summer/13:Trip/||");
    LogIn(d, "anna", "pw");
    EXPECT_EQ(d.Hint(), "正在登录......");
    EXPECT_FALSE(d.OkButton()->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !d.isVisible(); }, 5000));
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.OrderNumber() + "|" + d.AlbumListText(), "00123456|\\12:Summer/13:Trip/");
    EXPECT_EQ(modal_.shown.size(), 1u);
    EXPECT_EQ(server_.Requests().at(1).body, "uc=anna&psw=pw");
}

TEST_F(WebDialogsTest, AlbumChoiceListsTheAlbumsAndNeedsASelection) {
    AlbumChoiceDialog d("\\12:Summer/13:Trip/");
    d.show();
    ASSERT_EQ(d.List()->topLevelItemCount(), 2);
    EXPECT_EQ(d.List()->topLevelItem(0)->text(0), "12");
    EXPECT_EQ(d.List()->topLevelItem(1)->text(1), "Trip");
    EXPECT_TRUE(d.List()->isColumnHidden(0));
    QTest::mouseClick(d.findChild<QPushButton*>("1"), Qt::LeftButton);
    EXPECT_EQ(modal_.shown, std::vector<std::string>{"提示!: 请选择一个相册!"});
    EXPECT_TRUE(d.isVisible());
    d.List()->setCurrentItem(d.List()->topLevelItem(1));
    QTest::mouseClick(d.findChild<QPushButton*>("1"), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.ChosenId() + "|" + d.ChosenName(), "13|Trip");
}

// A refused login stays open for another try.
TEST_F(WebDialogsTest, BackOfficeLoginKeepsTheUserAndScrambledPasswordOnceAccepted) {
    server_.Answer(kStorePath, "status=1%status=0%");
    BackOfficeLogin kept;
    BackOfficeLoginDialog d(client_, kept, busy_);
    LogIn(d, "shop1", "ab");
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.OkButton()->isEnabled(); }, 5000));
    EXPECT_EQ(modal_.shown, std::vector<std::string>{"提示: 店号密码错误"});
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(kept.kept);

    server_.Answer(kStorePath, "status=0%");
    LogIn(d, "shop1", "ab");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !d.isVisible(); }, 5000));
    EXPECT_TRUE(kept.kept);
    EXPECT_EQ(kept.user + "|" + d.Password(), "shop1|ab");
    EXPECT_EQ(kept.scrambledPassword.substr(0, 2), "X;");  // "ab"
    EXPECT_EQ(server_.Requests().at(1).body.rfind("storeid=shop1&storepsw=X;", 0), 0u);
}

TEST_F(WebDialogsTest, ServiceNoticeShowsTheReply) {
    server_.Answer(kNotifyPath, testing::GbkText("送货须知:\n周日不送货"));
    ServiceNoticeDialog d(client_, busy_);
    d.InitDialog();
    d.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.Text() != "正获取服务器上的数据......"; }, 5000));
    EXPECT_EQ(d.Text(), "送货须知:\n周日不送货");
    EXPECT_EQ(server_.Requests().at(0).body, "pt=0");
}

}  // namespace
}  // namespace orelle
