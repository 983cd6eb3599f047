// The route member chooser against the tests' real PostgreSQL server and a
// real stand-in back office: what it lists, its keys, and what OK takes.
#include "stores/RouteMemberDialog.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include "platform/db/OdbcDatabase.h"

#include "skin/BitmapButton.h"
#include "submit/WebClient.h"
#include "support/ModalAnswer.h"
#include "support/StandInServer.h"
#include "support/TestDatabase.h"

namespace orelle {
namespace {

using testing::StandInServer;
using testing::TestDatabase;

constexpr const char* kLookUpPath = "/Lumora/storemanage/onemember.asp";

// The real server, or none while down is set.
struct SwitchedConnector : DatabaseConnector {
    bool down = false;
    std::unique_ptr<Database> Connect(const OdbcSettings& s, std::string* error) override {
        if (down) return nullptr;
        return OdbcConnector().Connect(s, error);
    }
};

class RouteMemberDialogTest : public ::testing::Test {
  protected:
    RouteMemberDialogTest() : client_(testing::ServerAt(web_.port()), {}, HttpPoster::Default()) {}

    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        db_ = std::make_unique<TestDatabase>();
        db_->Run(
            "insert into DB_user(username,userrole) values('东线','业务送片'),('经理','管理'),"
            "('O''Hara路','业务送片'),('西线','业务送片')");
        db_->Run(
            "insert into DB_member(code,name) values('C1','甲'),('C2','乙'),('C3','丙'),"
            "('C4','丁')");
        db_->Run(
            "insert into DB_line(code,linename,sortid) values('C2','O''Hara路',2),"
            "('C4','O''Hara路',3),('C1','O''Hara路',1),('C3','东线',1),('C9','西线',1)");
    }

    std::unique_ptr<RouteMemberDialog> Open(const OdbcSettings& settings) {
        auto d = std::make_unique<RouteMemberDialog>(connector_, settings, client_, login_);
        d->InitDialog();
        d->show();
        return d;
    }
    std::unique_ptr<RouteMemberDialog> Open() { return Open(db_->Settings()); }

    static void Ok(RouteMemberDialog& d) {
        QTest::mouseClick(d.findChild<BitmapButton*>("1"), Qt::LeftButton, {}, QPoint(10, 10));
    }

    static std::vector<std::string> Column(const QTreeWidget& list, int column) {
        std::vector<std::string> texts;
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            texts.push_back(list.topLevelItem(i)->text(column).toStdString());
        return texts;
    }

    std::unique_ptr<TestDatabase> db_;
    SwitchedConnector connector_;
    StandInServer web_;
    testing::ModalRecorder modal_;
    WebClient client_;
    const BackOfficeLogin login_{"S01", "scrambled", true};
};

TEST_F(RouteMemberDialogTest, RoutesInOrderAChosenRoutesMembersInRouteOrderTheKeysAndAServerGone) {
    auto d = Open();
    const QListWidget& routes = *d->Routes();
    std::vector<QString> names;
    for (int i = 0; i < routes.count(); ++i) names.push_back(routes.item(i)->text());
    EXPECT_EQ(names, (std::vector<QString>{"东线", "O'Hara路", "西线"}));
    EXPECT_EQ(routes.currentRow(), 0);
    EXPECT_EQ(d->focusWidget(), d->Routes());
    EXPECT_EQ(Column(*d->Members(), 0), std::vector<std::string>{"C3"});

    const QTreeWidget& members = *d->Members();
    d->Routes()->setCurrentRow(1);
    EXPECT_EQ(Column(members, 0), (std::vector<std::string>{"C1", "C2", "C4"}));
    EXPECT_EQ(Column(members, 1), (std::vector<std::string>{"甲", "乙", "丁"}));
    EXPECT_TRUE(members.selectedItems().isEmpty());
    EXPECT_TRUE(modal_.shown.empty());

    // Right moves to the members, left back to the first route.
    d->Routes()->setCurrentRow(2);  // its one line names no member
    EXPECT_EQ(d->Members()->topLevelItemCount(), 0);
    QTest::keyClick(d->Routes(), Qt::Key_Right);
    EXPECT_EQ(d->focusWidget(), d->Members());
    EXPECT_TRUE(d->Members()->selectedItems().isEmpty());
    EXPECT_TRUE(d->Routes()->selectedItems().isEmpty());

    QTest::keyClick(d->Members(), Qt::Key_Left);
    EXPECT_EQ(d->focusWidget(), d->Routes());
    EXPECT_EQ(d->Routes()->currentRow(), 0);
    EXPECT_TRUE(d->Routes()->item(0)->isSelected());
    EXPECT_EQ(Column(*d->Members(), 0), std::vector<std::string>{"C3"});

    d->Routes()->setCurrentRow(1);
    QTest::keyClick(d->Routes(), Qt::Key_Right);
    ASSERT_EQ(d->Members()->selectedItems().size(), 1);
    EXPECT_EQ(d->Members()->selectedItems().front()->text(0), "C1");
    EXPECT_TRUE(d->Routes()->selectedItems().isEmpty());

    // A server gone between two fills: the box, the member list as it was,
    // and the next route once the server is back.
    d->Routes()->setCurrentRow(1);
    connector_.down = true;
    d->Routes()->setCurrentRow(0);
    EXPECT_EQ(modal_.shown, std::vector<std::string>{"error: database access error!"});
    EXPECT_EQ(Column(*d->Members(), 0), (std::vector<std::string>{"C1", "C2", "C4"}));
    connector_.down = false;
    d->Routes()->setCurrentRow(2);
    d->Routes()->setCurrentRow(0);
    EXPECT_EQ(Column(*d->Members(), 0), std::vector<std::string>{"C3"});
    EXPECT_EQ(modal_.shown.size(), 1u);
}

// A refused look-up keeps the dialog open and sets nothing; the next,
// accepted one closes it with the route, the member and the password.
TEST_F(RouteMemberDialogTest, AMemberIsTakenOnlyWhenTheBackOfficeGivesThePassword) {
    auto d = Open();
    d->Routes()->setCurrentRow(1);
    QTest::keyClick(d->Routes(), Qt::Key_Right);

    web_.Answer(kLookUpPath, "status=1%");
    Ok(*d);
    EXPECT_EQ(modal_.shown, std::vector<std::string>{"提示: 查询出错"});
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->MemberCode() + d->Password(), "");

    // A double-clicked member is looked up as OK does.
    web_.Answer(kLookUpPath, "status=0%password=abc%");
    QTreeWidget& members = *d->Members();
    const QPoint at = members.visualItemRect(members.topLevelItem(1)).center();
    QTest::mouseClick(members.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(members.viewport(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->RouteName() + "|" + d->MemberCode() + "|" + d->Password(), "O'Hara路|C2|abc");
    EXPECT_EQ(web_.Requests().back().body, "storeid=S01&storepsw=scrambled&code=C2");
}

TEST_F(RouteMemberDialogTest, ADatabaseThatIsDownIsBoxedAndTheListsStayEmpty) {
    OdbcSettings down = db_->Settings();
    down.host = "127.0.0.1,1";
    auto d = Open(down);
    EXPECT_EQ(modal_.shown, std::vector<std::string>{"error: database access error!"});
    EXPECT_EQ(d->Routes()->count(), 0);
    EXPECT_EQ(d->Members()->topLevelItemCount(), 0);
    QTest::keyClick(d->Routes(), Qt::Key_Right);
    Ok(*d);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(web_.Arrived(), 0);
}

}  // namespace
}  // namespace orelle
