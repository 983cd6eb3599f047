// The order dialog's wiring: its buttons over the background, the
// database edition logging in on opening, the web edition against the
// stand-in server, and what it never keeps of a customer. And every dialog
// that waits on the order web server closes at once when cancelled.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "orderdata/FeatureFlags.h"
#include "skin/BitmapButton.h"
#include "stores/PickupPointDialog.h"
#include "stores/StoreDirectory.h"
#include "stores/StoreListRefresh.h"
#include "submit/AlbumLoginDialog.h"
#include "submit/BackOfficeLogin.h"
#include "submit/OrderBackEnd.h"
#include "submit/OrderDialog.h"
#include "submit/OrderExchange.h"
#include "submit/ServiceNoticeDialog.h"
#include "support/ModalAnswer.h"
#include "support/StandInServer.h"
#include "support/StationSettings.h"

namespace orelle {
namespace {

using testing::GbkText;
using testing::StandInReply;
using testing::StandInServer;

constexpr const char* kFolder = "/station/";

// Answers as it is told, on the worker; what it was asked stays for the
// test to read once the dialog is closed.
class FakeBackEnd : public OrderBackEnd {
  public:
    OrderOutcome outcome;
    std::vector<OrderRequest> requests;
    std::vector<bool> answers;

    OrderOutcome Submit(const OrderRequest& request, JobContext& context) override {
        requests.push_back(request);
        if (!question.empty()) answers.push_back(context.Ask(question));
        return outcome;
    }
    std::string question;
};

OrderOutcome Placed(const std::string& number, const std::string& member) {
    OrderOutcome out;
    out.placed = true;
    out.orderNumber = number;
    out.memberCode = member;
    out.orderMoney = 12.5;
    return out;
}

class OrderDialogTest : public ::testing::Test {
  public:
    OrderDialogTest() {
        fs_.dirs.insert("/station");
        input_.summaryText = "6寸 2张(光面)";
        input_.localId = "150307001";
        input_.productList = "6x4:2/";
    }

    void Settings(const std::string& verCtrl, const std::string& param = "") {
        testing::WriteSettings(fs_, kFolder, verCtrl, testing::WebServerAt(server_.port()) + param);
    }

    // The database edition with the shop's member: it logs in on opening.
    std::unique_ptr<OrderDialog> OpenDatabaseEdition(FakeBackEnd& backEnd,
                                                     const std::string& member = "8888") {
        Settings("[version_control]\r\nverison_function=1000\r\nremem=1\r\n",
                 "[userinfo]\r\nuser=" + member + "\r\n");
        return Open(&backEnd);
    }

    std::unique_ptr<OrderDialog> Open(OrderBackEnd* backEnd = nullptr) {
        exchanges_.push_back(
            std::make_unique<OrderExchange>(OrderExchangeSources{kFolder,
                                                                 fs_,
                                                                 HttpPoster::Default(),
                                                                 DatabaseConnector::Default(),
                                                                 config_,
                                                                 flags_,
                                                                 0,
                                                                 {}},
                                            backEnd));
        const OrderDialogServices s{clock_, flags_, backOffice_, busy_, chooser_, pickup_};
        auto d = std::make_unique<OrderDialog>(input_, *exchanges_.back(), s);
        d->InitDialog();
        d->show();
        return d;
    }

    template <typename W>
    static W* Control(OrderDialog& d, int id) {
        return d.findChild<W*>(QString::number(id));
    }
    static void Click(OrderDialog& d, int id) {
        QTest::mouseClick(Control<BitmapButton>(d, id), Qt::LeftButton, {}, QPoint(10, 10));
    }
    // Types the password, and the member unless it is preset, and presses OK.
    static void LogIn(OrderDialog& d, const char* password, const char* member = nullptr) {
        if (member) Control<QLineEdit>(d, OrderDialog::kMemberCodeId)->setText(member);
        Control<QLineEdit>(d, OrderDialog::kPasswordId)->setText(password);
        Click(d, OrderDialog::kOkId);
    }

    StandInServer server_;
    WebClient client_{testing::ServerAt(server_.port()), {}, HttpPoster::Default()};
    testing::MemoryFileSystem fs_;
    FixedClock clock_{LocalTime{2015, 3, 7, 10, 0, 0}};
    ParamConfig config_;
    FeatureFlags flags_;
    BackOfficeLogin backOffice_;
    std::atomic<bool> busy_{false};
    RouteMemberChooser chooser_;
    PickupPointChooser pickup_ = [this](const WebClient& client, QWidget* over) {
        return PickupPointDialog::Choose(client, fs_, kFolder, busy_, over);
    };
    std::vector<std::unique_ptr<OrderExchange>> exchanges_;  // outlive the dialogs
    OrderRequest input_;
    testing::ModalRecorder modal_;
};

// Regression: white blocks showed around the faces of "确定" and "取消".
TEST_F(OrderDialogTest, TheButtonsAreDrawnOverTheBackgroundAndTheStatusLineChoosesARouteMember) {
    Settings("[version_control]\r\nverison_function=2000\r\n");
    flags_.sendaddress = 1;
    backOffice_ = BackOfficeLogin{"shop1", "X;", true};
    chooser_ = [](const WebClient&) {
        return std::optional<std::pair<std::string, std::string>>({"R01", "rpw"});
    };
    auto d = Open();
    EXPECT_FALSE(Control<QComboBox>(*d, OrderDialog::kStoreId)->isEnabled());
    EXPECT_TRUE(Control<QCheckBox>(*d, OrderDialog::kDeliveryId)->isChecked());
    const QImage shot = d->grab().toImage();
    const QImage ground(QString::fromStdString(OrderDialog::BackgroundPath()));
    ASSERT_FALSE(ground.isNull());
    for (const QPoint at : {QPoint(131, 309), QPoint(297, 365)}) {
        EXPECT_NE(shot.pixelColor(at), QColor(Qt::white)) << at.x() << "," << at.y();
        EXPECT_EQ(shot.pixelColor(at), ground.pixelColor(at)) << at.x() << "," << at.y();
    }
    QTest::mouseClick(Control<QWidget>(*d, OrderDialog::kStatusId), Qt::LeftButton);
    EXPECT_EQ(Control<QLineEdit>(*d, OrderDialog::kMemberCodeId)->text() + "|" +
                  Control<QLineEdit>(*d, OrderDialog::kPasswordId)->text(),
              "R01|rpw");
}

// Once placed, the dialog cannot be cancelled.
TEST_F(OrderDialogTest, TheDatabaseEditionLogsInOnOpeningAndCloses) {
    FakeBackEnd backEnd;
    backEnd.outcome = Placed("0020150307001", "8888");
    auto d = OpenDatabaseEdition(backEnd, "13900000000");
    for (int id : {OrderDialog::kDeliveryId, OrderDialog::kStoreId, OrderDialog::kPaymentId,
                   OrderDialog::kPickupId, OrderDialog::kContactNameId, OrderDialog::kHourId}) {
        EXPECT_FALSE(Control<QWidget>(*d, id)->isVisible()) << id;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !d->Result().orderNumber.empty(); }, 3000));
    EXPECT_FALSE(Control<BitmapButton>(*d, OrderDialog::kCancelId)->isEnabled());
    QTest::keyClick(d.get(), Qt::Key_Escape);
    EXPECT_TRUE(d->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !d->isVisible(); }, 3000));
    EXPECT_EQ(d->result(), QDialog::Accepted);
    ASSERT_EQ(backEnd.requests.size(), 1u);
    EXPECT_EQ(backEnd.requests[0].memberCode + "|" + backEnd.requests[0].password,
              "13900000000|472951");
    EXPECT_EQ(d->Result().orderNumber + "|" + d->Result().memberCode, "0020150307001|8888");
    EXPECT_EQ(d->Result().closingNotice,
              DatabaseClosingNotice(input_.summaryText, "0020150307001", 12.5));
    EXPECT_FALSE(d->Result().paymentIndex);
    EXPECT_TRUE(modal_.shown.empty());
    EXPECT_FALSE(busy_);
}

TEST_F(OrderDialogTest, TheDatabaseEditionsQuestionAndAFailureKeepTheDialogOpen) {
    FakeBackEnd backEnd;
    backEnd.question = "请确认会员资料:";
    backEnd.outcome.status = "会员号或密码错误!";
    auto d = OpenDatabaseEdition(backEnd);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return d->Status() == std::string("会员号或密码错误!"); }, 3000));
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(Control<BitmapButton>(*d, OrderDialog::kOkId)->isEnabled());
    EXPECT_EQ(modal_.shown, std::vector<std::string>{"资料提示!: 请确认会员资料:"});
    EXPECT_EQ(backEnd.answers, std::vector<bool>{true});
}

TEST_F(OrderDialogTest, AWebOrderIsConfirmedThenPlaced) {
    Settings("[version_control]\r\nverison_function=2000\r\n");
    server_.Answer("/Lumora/client/statlogin.asp",
                   GbkText("status=0%ordermoney=12.5%bfullmoney=1%username=张三%"));
    server_.Answer("/Lumora/client/startorder.asp",
                   GbkText("status=0%ordermoney=12.5%orderid=123456%localid=150307001%"));
    config_.pay = 2;
    auto d = Open();
    int paymentAsked = -1;
    modal_.onShown = [&] {
        paymentAsked = Control<QComboBox>(*d, OrderDialog::kPaymentId)->currentIndex();
    };
    LogIn(*d, "pw", "8888");
    EXPECT_EQ(d->Status(), "正在登录......");
    EXPECT_FALSE(Control<BitmapButton>(*d, OrderDialog::kOkId)->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !d->isVisible(); }, 5000));
    EXPECT_EQ(d->result(), QDialog::Accepted);
    ASSERT_EQ(modal_.shown.size(), 1u);
    // The back end's question, default No.
    EXPECT_EQ(modal_.shown[0].rfind("特别提示:: ", 0), 0u) << modal_.shown[0];
    EXPECT_EQ(modal_.shown[0].substr(modal_.shown[0].size() - 5), " [No]");
    EXPECT_EQ(paymentAsked, 0);
    const OrderOutcome& out = d->Result();
    EXPECT_EQ(
        std::tie(out.orderNumber, out.paymentIndex, out.orderMoney, out.delivery, out.appointment),
        std::make_tuple("00123456", std::optional<int>(0), 12.5, false, "2015-3-7 15:01:01"));
}

TEST_F(OrderDialogTest, WithoutTheShopsMemberTheDatabaseEditionWaitsAndKeepsNothingTyped) {
    Settings("[version_control]\r\nverison_function=1000\r\nremem=0\r\n",
             "[userinfo]\r\nuser=000001\r\n");
    const auto before = fs_.files;
    FakeBackEnd backEnd;
    backEnd.outcome = Placed("0020150307001", "M01");
    auto d = Open(&backEnd);
    QTest::qWait(100);
    EXPECT_TRUE(backEnd.requests.empty());
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(modal_.shown.empty());
    auto* member = Control<QLineEdit>(*d, OrderDialog::kMemberCodeId);
    EXPECT_EQ(member->text(), "");
    member->setText("M01");
    Click(*d, OrderDialog::kOkId);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !d->isVisible(); }, 3000));
    EXPECT_EQ(d->Result().memberCode, "M01");
    EXPECT_EQ(fs_.files, before) << "the typed member is written nowhere";
}

TEST_F(OrderDialogTest, AnEditionWithoutABackOfficeSaysSoAndOkStartsNothing) {
    Settings("[version_control]\r\nverison_function=1500\r\n");
    input_.fixedMember = {"H01", "pw"};
    auto d = Open();
    EXPECT_EQ(d->Status(), "本机未设置下单方式,不能下单!\r\n请联系店员");
    EXPECT_FALSE(Control<BitmapButton>(*d, OrderDialog::kOkId)->isEnabled());
    d->OnCommand(OrderDialog::kOkId);
    EXPECT_TRUE(d->Editing());
    EXPECT_TRUE(modal_.shown.empty());
}

TEST_F(OrderDialogTest, DeliveryWithoutTheContactIsRefused) {
    Settings("[version_control]\r\nverison_function=2000\r\n");
    FakeBackEnd backEnd;
    auto d = Open(&backEnd);
    auto* name = Control<QLineEdit>(*d, OrderDialog::kContactNameId);
    EXPECT_FALSE(name->isVisible());
    Control<QCheckBox>(*d, OrderDialog::kDeliveryId)->click();
    EXPECT_TRUE(name->isVisible());
    LogIn(*d, "pw", "8888");
    EXPECT_EQ(modal_.shown, std::vector<std::string>{"提示!: 联系人,电话,地址都必须正确填写!"});
    EXPECT_TRUE(Control<BitmapButton>(*d, OrderDialog::kOkId)->isEnabled());
    EXPECT_TRUE(backEnd.requests.empty());
}

TEST_F(OrderDialogTest, WithoutLoginTheOrderNumberIsTheLocalId) {
    Settings("[version_control]\r\nverison_function=2000\r\nmyselfedit=1\r\n");
    input_.localId = "15";
    FakeBackEnd backEnd;
    auto d = Open(&backEnd);
    LogIn(*d, "pw", "8888");
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->Result().orderNumber, "000015");
    EXPECT_TRUE(backEnd.requests.empty());
}

TEST_F(OrderDialogTest, TheChosenPickupPointGoesWithTheOrder) {
    Settings("[version_control]\r\nverison_function=2000\r\nremem=1\r\n",
             "[userinfo]\r\nuser=8888\r\n");
    server_.Answer("/Lumora/manage/getslist.asp", GbkText(testing::kStoreDirectory));
    modal_.first = [](QDialog& dialog) -> std::optional<int> {
        auto* pick = qobject_cast<PickupPointDialog*>(&dialog);
        if (!pick) return std::nullopt;
        pick->InitDialog();
        pick->show();
        QTreeWidget* points = pick->Points();
        if (!QTest::qWaitFor([points] { return points->topLevelItemCount() == 2; }, 5000)) {
            return QDialog::Rejected;
        }
        points->setCurrentItem(points->topLevelItem(0));
        pick->OnCommand(PickupPointDialog::kOkId);
        return pick->result();
    };
    FakeBackEnd backEnd;
    backEnd.outcome = Placed("00123456", "8888");
    auto d = Open(&backEnd);
    Control<QPushButton>(*d, OrderDialog::kPickupId)->click();
    auto* store = Control<QComboBox>(*d, OrderDialog::kStoreId);
    EXPECT_EQ(store->currentText(), "东门店");
    LogIn(*d, "pw");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !d->isVisible(); }, 3000));
    EXPECT_EQ(d->Result().pickupPointId, "101");
}

// A dialog waiting on a silent server: how it opens and starts the wait,
// the button that cancels it, and what it holds (its result among it),
// which the cancel must not change.
struct SilentCase {
    const char* name;
    const char* path;
    std::function<std::unique_ptr<QDialog>(OrderDialogTest&)> open;
    int cancelId;
    std::function<std::string(OrderDialogTest&, QDialog&)> held;
};

class SilentServerTest : public OrderDialogTest,
                         public ::testing::WithParamInterface<SilentCase> {};

TEST_P(SilentServerTest, CancelClosesAtOnceAndChangesNothing) {
    const SilentCase& c = GetParam();
    server_.Script(c.path, StandInReply{"", 0, true, 0});
    const std::unique_ptr<QDialog> d = c.open(*this);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server_.Arrived() == 1; }, 5000));
    const std::string held = c.held(*this, *d);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(d->findChild<QWidget*>(QString::number(c.cancelId)), Qt::LeftButton, {},
                      QPoint(10, 10));
    EXPECT_FALSE(d->isVisible());
    EXPECT_LT(clock.elapsed(), 1000);
    QTest::qWait(50);
    EXPECT_EQ(c.held(*this, *d), held);
    EXPECT_TRUE(modal_.shown.empty());
    EXPECT_FALSE(busy_);
}

std::string Files(OrderDialogTest& t) {
    std::string all;
    for (const auto& [path, bytes] : t.fs_.files) all += path + "=" + bytes + ";";
    return all;
}
template <typename D>
std::unique_ptr<QDialog> Shown(std::unique_ptr<D> d) {
    d->InitDialog();
    d->show();
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, SilentServerTest,
    ::testing::Values(
        SilentCase{"OrderDialog", "/Lumora/client/statlogin.asp",
                   [](OrderDialogTest& t) -> std::unique_ptr<QDialog> {
                       t.Settings("[version_control]\nverison_function=2000\nremem=1\n",
                                  "[userinfo]\nuser=8888\n");
                       auto d = t.Open();
                       OrderDialogTest::LogIn(*d, "pw");
                       return d;
                   },
                   OrderDialog::kCancelId,
                   [](OrderDialogTest& t, QDialog& d) {
                       const OrderDialog& o = static_cast<OrderDialog&>(d);
                       return o.Status() + "|" + o.Result().orderNumber + "|" +
                              std::to_string(d.result()) + "|" + Files(t);
                   }},
        // The album login; the back-office login shares its Cancel.
        SilentCase{
            "AlbumLogin", "/Lumora/client/albumlogin.asp",
            [](OrderDialogTest& t) -> std::unique_ptr<QDialog> {
                auto d = std::make_unique<AlbumLoginDialog>(t.client_, t.busy_);
                d->show();
                d->findChild<QLineEdit*>(QString::number(LoginDialog::kUserId))->setText("anna");
                d->findChild<QLineEdit*>(QString::number(LoginDialog::kPasswordId))->setText("pw");
                QTest::mouseClick(d->OkButton(), Qt::LeftButton);
                return d;
            },
            2,
            [](OrderDialogTest&, QDialog& d) {
                return static_cast<AlbumLoginDialog&>(d).OrderNumber();
            }},
        SilentCase{"ServiceNotice", "/Lumora/manage/notify.asp",
                   [](OrderDialogTest& t) {
                       return Shown(std::make_unique<ServiceNoticeDialog>(t.client_, t.busy_));
                   },
                   ServiceNoticeDialog::kOkId,
                   [](OrderDialogTest&, QDialog& d) {
                       return static_cast<ServiceNoticeDialog&>(d).Text();
                   }},
        SilentCase{
            "PickupPoint", "/Lumora/manage/getslist.asp",
            [](OrderDialogTest& t) {
                return Shown(std::make_unique<PickupPointDialog>(t.client_, t.fs_,
                                                                 StoreListPath(kFolder), t.busy_));
            },
            PickupPointDialog::kCancelId,
            [](OrderDialogTest& t, QDialog& d) { return std::to_string(d.result()) + Files(t); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orelle
