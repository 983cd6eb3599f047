#pragma once
// The order dialog without its window: what it opens with, the checks of
// OK and their texts, the texts it shows and the values it hands back.
// OrderDialog shows these; everything here is plain data and text.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/clock/Clock.h"
#include "submit/OrderBackEnd.h"

namespace orelle {

class FileSystem;
struct FeatureFlags;
struct ParamConfig;

namespace orderform {
inline constexpr const char* kLoggingIn = "正在登录......";
inline constexpr const char* kPromptCaption = "提示!";
inline constexpr const char* kMemberMissing = "用户名密码不能为空!";
inline constexpr const char* kContactMissing = "联系人,电话,地址都必须正确填写!";
inline constexpr const char* kDeliveryCaption = "重要提示!";
// The captions of the back end's questions, per edition.
inline constexpr const char* kMemberCheckCaption = "资料提示!";
inline constexpr const char* kPriceCheckCaption = "特别提示:";
// The database edition logs in without a typed password.
inline constexpr const char* kDatabasePassword = "472951";
inline constexpr const char* kPaymentItems[] = {"充值卡支付", "银行卡支付", "取件时付款"};
inline constexpr const char* kOwnStore = "会员开户店";
// The database edition's status line while it waits for a member.
inline constexpr const char* kDatabaseMemberPrompt = "请输入会员号,再按'确定'下单";
// An edition that has no way to the back office.
inline constexpr const char* kNoOrderEdition = "本机未设置下单方式,不能下单!\r\n请联系店员";
inline constexpr int kFirstHour = 15;
}  // namespace orderform

enum class OrderMode { kDatabase, kWeb, kOther };
OrderMode ModeOf(std::int32_t verisonFunction);

// What the dialog reads again each time it opens (the web servers apart,
// see LoadWebServers).
struct OrderDialogSettings {
    std::int32_t verison_function = 0;
    std::int32_t myselfedit = 0;
    std::int32_t remem = 0;
    std::string user;  // [userinfo] user; empty when missing
};
OrderDialogSettings ReadOrderDialogSettings(const std::string& settingsFolder, FileSystem& fs);

// The dialog's fields as the customer leaves them.
struct OrderFields {
    std::string memberCode, password;
    bool delivery = false;
    int paymentIndex = 0;
    std::string contactName, telephone, address, mobile;
    LocalTime appointment;  // year, month, day and hour are used
};

// How the dialog opens.
struct OrderFormStart {
    OrderFields fields;
    OrderMode mode = OrderMode::kOther;
    bool selfEdit = false;      // myselfedit 1: the order needs no login
    bool memberLocked = false;  // the host's member: code and password stay
    bool deliveryKept = false;  // sendaddress 1: delivery on, and it stays on
    bool submitAtOnce = false;  // the database edition logs in by itself
    // Not empty: the station cannot place the order (an edition without a
    // back office, a web host setting that is not a host); the status line
    // says so and OK does nothing.
    std::string refusal;
    std::string storeItem;  // the store list's one item
    std::string status;     // the status line
};

// config gives the shop's defaults (pay, get_mode, def_store, the first web
// host) and the customer's current contact values; today the appointment's
// day.
OrderFormStart OpenOrderForm(const OrderDialogSettings& settings, const FeatureFlags& flags,
                             const ParamConfig& config, const FixedMember& fixed,
                             const LocalTime& today);

// The status line that asks for a member, naming the first web host.
std::string LoginPrompt(const std::string& web);

// What OK asks of the fields before any exchange: a refusal shown as a
// "提示!" box (the dialog stays), or with delivery a question the customer
// must answer Yes in a "重要提示!" box. Without delivery the contact values
// are emptied in fields.
struct OkCheck {
    const char* refusal = nullptr;
    std::string question;
};
OkCheck CheckOk(OrderFields& fields);

// "%d-%d-%d %d点", shown in the delivery question.
std::string AppointmentText(const LocalTime& t);
// "%d-%d-%d %d:01:01", kept with the order.
std::string AppointmentTime(const LocalTime& t);

// myselfedit 1: the order number without a back office.
std::string SelfEditOrderNumber(const std::string& localId);

// The notice the station shows once the order is placed.
std::string WebClosingNotice(const std::string& summaryText, const std::string& orderNumber,
                             double orderMoney);
// With the amount the database charged (0: not known, no line).
std::string DatabaseClosingNotice(const std::string& summaryText, const std::string& orderNumber,
                                  double charged = 0);

}  // namespace orelle
