// The order dialog's form without its window: how it opens from the
// settings, what OK refuses or asks, and the texts it builds.
#include <gtest/gtest.h>

#include "orderdata/FeatureFlags.h"
#include "orderdata/ParamConfig.h"
#include "submit/OrderForm.h"
#include "support/StationSettings.h"

namespace orelle {
namespace {

constexpr const char* kFolder = "/station/";
const LocalTime kToday{2015, 3, 7, 10, 20, 30};

std::string Contact(const OrderFields& f) {
    return f.contactName + "|" + f.telephone + "|" + f.address + "|" + f.mobile;
}

class OrderFormTest : public ::testing::Test {
  protected:
    OrderFormTest() {
        fs_.dirs.insert("/station");
        config_.web = "shop.example";
        config_.pay = 2;
        config_.def_store = "总店";
        config_.userinfo.username = "李四";
        config_.userinfo.phone = "5550001";
        config_.userinfo.sendaddr = "东门路1号";
        config_.userinfo.mobile = "13900000000";
    }

    void Settings(const std::string& verCtrl, const std::string& param) {
        testing::WriteSettings(fs_, kFolder, verCtrl, param);
    }

    OrderFormStart Open(const FixedMember& fixed = {}) {
        return OpenOrderForm(ReadOrderDialogSettings(kFolder, fs_), flags_, config_, fixed, kToday);
    }

    testing::MemoryFileSystem fs_;
    ParamConfig config_;
    FeatureFlags flags_;
};

// The host's member is fixed, with its password.
TEST_F(OrderFormTest, OpensWithTheWebEditionsDefaults) {
    Settings("[version_control]\r\nverison_function=2000\r\nremem=1\r\n",
             "[userinfo]\r\nuser=8888\r\n");
    const OrderFormStart s = Open();
    EXPECT_EQ(s.mode, OrderMode::kWeb);
    EXPECT_FALSE(s.submitAtOnce);
    EXPECT_FALSE(s.selfEdit);
    EXPECT_FALSE(s.memberLocked);
    EXPECT_EQ(s.fields.memberCode + "|" + s.fields.password, "8888|");
    EXPECT_FALSE(s.fields.delivery);
    EXPECT_EQ(s.fields.paymentIndex, 2);
    EXPECT_EQ(Contact(s.fields), "李四|5550001|东门路1号|13900000000");
    EXPECT_EQ(AppointmentTime(s.fields.appointment), "2015-3-7 15:01:01");
    EXPECT_EQ(s.storeItem, "总店");

    const OrderFormStart host = Open({"H01", "hpw"});
    EXPECT_TRUE(host.memberLocked);
    EXPECT_EQ(host.fields.memberCode + "|" + host.fields.password, "H01|hpw");
}

TEST_F(OrderFormTest, OnlyAMemberTheShopOrHostGaveIsPresetAndLogsInByItself) {
    const struct {
        const char* remem;
        const char* user;  // [userinfo] user, as the shop wrote it
        FixedMember fixed;
        const char* member;
    } cases[] = {
        {"0", "8888", {}, ""}, {"1", "8888", {}, "8888"},
        {"1", "0", {}, ""},  // what older stations wrote for "no member"
        {"1", "", {}, ""},     {"0", "8888", {"H01", "hpw"}, "H01"},
    };
    for (const auto& c : cases) {
        Settings(
            std::string("[version_control]\r\nverison_function=1000\r\nremem=") + c.remem + "\r\n",
            std::string("[userinfo]\r\nuser=") + c.user + "\r\n");
        const OrderFormStart s = Open(c.fixed);
        const std::string member = c.member;
        EXPECT_EQ(s.fields.memberCode, member) << c.remem << " " << c.user;
        EXPECT_EQ(s.fields.password, "472951");
        EXPECT_EQ(s.submitAtOnce, !member.empty()) << c.remem << " " << c.user;
        // Waiting, it says what to type: no failure before anyone typed.
        EXPECT_EQ(s.status, member.empty()
                                ? "请输入会员号,再按'确定'下单"
                                : "请正确填写会员号及密码\r\n查看最新促销优惠请登陆shop.example");
        EXPECT_TRUE(s.refusal.empty());
    }
}

TEST_F(OrderFormTest, AStationThatCannotPlaceTheOrderSaysWhy) {
    Settings("[version_control]\r\nverison_function=1500\r\n", "");
    const OrderFormStart other = Open({"H01", "hpw"});
    EXPECT_EQ(other.refusal, "本机未设置下单方式,不能下单!\r\n请联系店员");
    EXPECT_EQ(other.status, other.refusal);
    EXPECT_FALSE(other.submitAtOnce);

    Settings("[version_control]\r\nverison_function=2000\r\n", "");
    config_.web2 = "shop.example/Lumora";
    const OrderFormStart web = Open();
    EXPECT_NE(web.refusal.find("[webserver] web2 "), std::string::npos) << web.refusal;
    EXPECT_EQ(web.status, web.refusal);
}

TEST_F(OrderFormTest, SwitchesOfTheOpening) {
    Settings("[version_control]\r\nverison_function=1500\r\nmyselfedit=1\r\n", "");
    flags_.sendaddress = 1;
    config_.get_mode = 1;
    const OrderFormStart s = Open();
    EXPECT_EQ(s.mode, OrderMode::kOther);
    // Submit at once, self edit, delivery and its keeping.
    EXPECT_EQ(std::make_tuple(s.submitAtOnce, s.selfEdit, s.fields.delivery, s.deliveryKept),
              std::make_tuple(false, true, true, true));
    EXPECT_EQ(s.storeItem, "会员开户店");
    EXPECT_TRUE(s.refusal.empty());  // its orders need no back office
}

OrderFields Delivery() {
    return {"8888",      "pw",          true,
            0,           "王五",        "5550002",
            "南门路2号", "13800000000", LocalTime{2015, 3, 7, 9, 0, 0}};
}

struct Refusal {
    const char* name;
    void (*change)(OrderFields&);
    const char* text;
};

TEST_F(OrderFormTest, OkRefusesMissingValuesAndAsksOnlyAboutADelivery) {
    const char* login = "用户名密码不能为空!";
    const char* contact = "联系人,电话,地址都必须正确填写!";
    const Refusal cases[] = {
        {"no member code", [](OrderFields& f) { f.memberCode.clear(); }, login},
        {"no password", [](OrderFields& f) { f.password.clear(); }, login},
        {"no name", [](OrderFields& f) { f.contactName.clear(); }, contact},
        {"no telephone", [](OrderFields& f) { f.telephone.clear(); }, contact},
        {"no address", [](OrderFields& f) { f.address.clear(); }, contact},
        {"no mobile", [](OrderFields& f) { f.mobile.clear(); }, contact},
    };
    for (const Refusal& c : cases) {
        OrderFields f = Delivery();
        c.change(f);
        const OkCheck check = CheckOk(f);
        ASSERT_NE(check.refusal, nullptr) << c.name;
        EXPECT_STREQ(check.refusal, c.text) << c.name;
        EXPECT_EQ(check.question, "") << c.name;
    }
    // Delivery is confirmed with the appointment; without it the contact is
    // dropped, also a missing mobile number.
    for (const bool delivery : {true, false}) {
        OrderFields f = Delivery();
        f.delivery = delivery;
        if (!delivery) f.mobile.clear();
        const OkCheck check = CheckOk(f);
        EXPECT_EQ(check.refusal, nullptr) << delivery;
        EXPECT_EQ(check.question,
                  delivery ? "联系人:王五;\r\n联系电话:5550002;\r\n手机:13800000000;\r\n"
                             "送货地址:南门路2号;\r\n预约时间为:2015-3-7 9点\r\n是否'确认'以上项"
                           : "");
        EXPECT_EQ(Contact(f), delivery ? "王五|5550002|南门路2号|13800000000" : "|||");
    }
}

TEST_F(OrderFormTest, TimesAndTheClosingNoticesHaveNoPadding) {
    EXPECT_EQ(AppointmentTime({2015, 3, 7, 9, 0, 0}), "2015-3-7 9:01:01");
    EXPECT_EQ(AppointmentTime({2009, 12, 25, 23, 0, 0}), "2009-12-25 23:01:01");
    EXPECT_EQ(WebClosingNotice("6寸 2张(光面)", "00123456", 12.5),
              "请注意!:\r\n6寸 2张(光面)\r\n订单号:<00123456>\r\n订单金额:<12.50>\r\n"
              "如有特殊要求!请抄下订单号\r\n与网络热线联系!\r\n谢谢!");
    EXPECT_EQ(DatabaseClosingNotice("6寸 2张(光面)", "0020150307001"),
              "请注意!:\r\n6寸 2张(光面)\r\n请抄下上面的明细及下面的订单号：\r\n"
              "订单号:<0020150307001>\r\n将抄下的结果交给工作人员!\r\n谢谢!");
    EXPECT_EQ(DatabaseClosingNotice("6寸 2张(光面)", "0020150307001", 13.5),
              "请注意!:\r\n6寸 2张(光面)\r\n请抄下上面的明细及下面的订单号：\r\n"
              "订单号:<0020150307001>\r\n实收金额:<13.50>\r\n将抄下的结果交给工作人员!\r\n谢谢!");
}

}  // namespace
}  // namespace orelle
