#include "submit/OrderForm.h"

#include "orderdata/FeatureFlags.h"
#include "orderdata/ParamConfig.h"
#include "orderdata/WebServerSettings.h"
#include "platform/ini/Profile.h"
#include "platform/text/NumberText.h"

namespace orelle {
namespace {

using text::IntText;

std::string Day(const LocalTime& t) {
    return IntText(t.year) + "-" + IntText(t.month) + "-" + IntText(t.day);
}

}  // namespace

OrderMode ModeOf(std::int32_t verisonFunction) {
    if (verisonFunction == kEditionDatabase) return OrderMode::kDatabase;
    if (verisonFunction == kEditionWeb) return OrderMode::kWeb;
    return OrderMode::kOther;
}

OrderDialogSettings ReadOrderDialogSettings(const std::string& settingsFolder, FileSystem& fs) {
    const Profile flags(VerCtrlIniPath(settingsFolder), fs);
    const Profile param(ParamIniPath(settingsFolder), fs);
    OrderDialogSettings s;
    s.verison_function = flags.GetInt("version_control", "verison_function", kEditionDatabase);
    s.myselfedit = flags.GetInt("version_control", "myselfedit", 0);
    s.remem = flags.GetInt("version_control", "remem", 0);
    s.user = param.GetString("userinfo", "user", "");
    return s;
}

OrderFormStart OpenOrderForm(const OrderDialogSettings& settings, const FeatureFlags& flags,
                             const ParamConfig& config, const FixedMember& fixed,
                             const LocalTime& today) {
    OrderFormStart start;
    start.mode = ModeOf(settings.verison_function);
    start.selfEdit = settings.myselfedit == 1;
    OrderFields& f = start.fields;
    // The station never writes [userinfo] user: with remem on, it is the
    // member the shop set for the station ("0" is none, as older stations
    // wrote it). What a customer typed is never offered again.
    if (settings.remem != 0 && settings.user != "0") f.memberCode = settings.user;
    if (!fixed.code.empty()) {
        f.memberCode = fixed.code;
        f.password = fixed.password;
        start.memberLocked = true;
    }
    start.deliveryKept = flags.sendaddress == 1;
    f.delivery = start.deliveryKept;
    f.paymentIndex = config.pay;
    f.contactName = config.userinfo.username;
    f.telephone = config.userinfo.phone;
    f.address = config.userinfo.sendaddr;
    f.mobile = config.userinfo.mobile;
    f.appointment = today;
    f.appointment.hour = orderform::kFirstHour;
    start.storeItem = config.get_mode == 1 ? orderform::kOwnStore : config.def_store;
    start.status = LoginPrompt(config.web);
    if (start.mode == OrderMode::kDatabase) {
        f.password = orderform::kDatabasePassword;
        // Only a member the shop or the host gave logs in by itself.
        start.submitAtOnce = !f.memberCode.empty();
        if (!start.submitAtOnce) start.status = orderform::kDatabaseMemberPrompt;
    }
    if (!start.selfEdit) {
        if (start.mode == OrderMode::kOther) start.refusal = orderform::kNoOrderEdition;
        if (start.mode == OrderMode::kWeb) start.refusal = WebHostsRefusal(config);
    }
    if (!start.refusal.empty()) {
        start.status = start.refusal;
        start.submitAtOnce = false;
    }
    return start;
}

std::string LoginPrompt(const std::string& web) {
    return "请正确填写会员号及密码\r\n查看最新促销优惠请登陆" + web;
}

OkCheck CheckOk(OrderFields& f) {
    OkCheck check;
    if (f.memberCode.empty() || f.password.empty()) {
        check.refusal = orderform::kMemberMissing;
        return check;
    }
    if (!f.delivery) {
        f.contactName.clear();
        f.telephone.clear();
        f.address.clear();
        f.mobile.clear();
        return check;
    }
    // The text names three fields, but the mobile number is needed as well.
    if (f.contactName.empty() || f.telephone.empty() || f.address.empty() || f.mobile.empty()) {
        check.refusal = orderform::kContactMissing;
        return check;
    }
    check.question = "联系人:" + f.contactName + ";\r\n联系电话:" + f.telephone +
                     ";\r\n手机:" + f.mobile + ";\r\n送货地址:" + f.address +
                     ";\r\n预约时间为:" + AppointmentText(f.appointment) + "\r\n是否'确认'以上项";
    return check;
}

std::string AppointmentText(const LocalTime& t) { return Day(t) + " " + IntText(t.hour) + "点"; }

std::string AppointmentTime(const LocalTime& t) {
    return Day(t) + " " + IntText(t.hour) + ":01:01";
}

std::string SelfEditOrderNumber(const std::string& localId) { return "0000" + localId; }

std::string WebClosingNotice(const std::string& summaryText, const std::string& orderNumber,
                             double orderMoney) {
    return "请注意!:\r\n" + summaryText + "\r\n订单号:<" + orderNumber + ">\r\n订单金额:<" +
           text::FixedText(orderMoney, 2) +
           ">\r\n如有特殊要求!请抄下订单号\r\n与网络热线联系!\r\n谢谢!";
}

std::string DatabaseClosingNotice(const std::string& summaryText, const std::string& orderNumber,
                                  double charged) {
    // What the customer pays, beside the list price seen while choosing.
    const std::string amount =
        charged > 0 ? "实收金额:<" + text::FixedText(charged, 2) + ">\r\n" : std::string();
    return "请注意!:\r\n" + summaryText + "\r\n请抄下上面的明细及下面的订单号：\r\n订单号:<" +
           orderNumber + ">\r\n" + amount + "将抄下的结果交给工作人员!\r\n谢谢!";
}

}  // namespace orelle
