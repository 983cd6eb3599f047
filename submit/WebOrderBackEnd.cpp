#include "submit/WebOrderBackEnd.h"

#include <chrono>
#include <thread>

#include "orderdata/OrderNumberCheck.h"
#include "orderdata/ParamConfig.h"
#include "platform/gbk/Gbk.h"
#include "platform/ini/ProfileNumber.h"
#include "platform/text/NumberText.h"
#include "submit/BackOfficeRecord.h"
#include "submit/OrderForm.h"
#include "submit/WebClient.h"
#include "submit/WebEndpoints.h"
#include "submit/WebReply.h"

namespace orelle {
namespace {

constexpr std::size_t kOrderNumberBytes = 8;
constexpr auto kGiveUpPause = std::chrono::milliseconds(300);

// The status messages carry at most two amounts, each "%.2f".
std::string WithAmounts(const char* format, double first, double second) {
    std::string text = format;
    for (double amount : {first, second}) {
        const std::size_t at = text.find("%.2f");
        if (at == std::string::npos) break;
        text.replace(at, 4, text::FixedText(amount, 2));
    }
    return text;
}

// The message of a reply with a status other than 0, amounts filled in.
std::string ReplyMessage(const WebEndpoint& endpoint, const std::string& reply) {
    const char* format = EndpointMessage(endpoint, reply);
    if (!format) return {};
    return WithAmounts(format, ParseDecimal(GetReplyField(reply, "ordermoney")),
                       ParseDecimal(GetReplyField(reply, "memcard")));
}

// Waits, but not past a stop.
void PauseUnlessStopped(JobContext& context, std::chrono::milliseconds pause) {
    const auto end = std::chrono::steady_clock::now() + pause;
    while (!context.Stopped() && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void Post(JobContext& context, const std::function<void(const std::string&)>& show,
          const std::string& text) {
    if (show) context.Post([show, text] { show(text); });
}

}  // namespace

const char* PaymentText(int paymentIndex) {
    switch (paymentIndex) {
        case 0:
            return "支付方式:充值卡支付";
        case 1:
            return "支付方式:银行卡支付";
        default:
            return "支付方式:取件时支付";
    }
}

std::string PriceCheckQuestion(const std::string& username, const std::string& summaryText,
                               double orderMoney, int paymentIndex, const std::string& memo) {
    std::string q = "请注意!:\r\n下单人:" + username + "\r\n" + summaryText + "\r\n订单金额:<" +
                    text::FixedText(orderMoney, 2) + ">\r\n" + PaymentText(paymentIndex) + "\r\n";
    if (memo.empty()) return q + "继续请按'确定',退出下单按'取消'\r\n";
    return q + memo + "\r\n如需送货按<取消>返回填写送货信息!\r\n继续下单请按<确定>\r\n";
}

WebOrderBackEnd::WebOrderBackEnd(WebClient& client, const ParamConfig& servers, double uploadCount)
    : client_(client), web_(servers.web), web2_(servers.web2), uploadCount_(uploadCount) {}

OrderOutcome WebOrderBackEnd::Failed(std::string status) const {
    OrderOutcome out;
    out.status = std::move(status);
    return out;
}

PriceCheck WebOrderBackEnd::CheckWebOrder(const OrderRequest& request, JobContext& context) {
    PriceCheck check;
    check.paymentIndex = request.paymentIndex;
    const std::string body = EndpointBody(
        web::kStatLogin, {text::IntText(request.paymentIndex), request.memberCode, request.password,
                          request.productList, text::FixedText(uploadCount_, 2)});
    const std::string reply =
        client_.PostForm(web::kStatLogin.path, body, [&context] { return context.Stopped(); });
    if (context.Stopped()) return check;
    if (!HasReplyStatus(reply)) {
        check.noReply = true;
        if (client_.ServerFailover() == WebClient::Failover::kGaveUp) {
            check.status = web::kConnectFailed;
            Post(context, request.showStatus, check.status);
        }
        return check;
    }
    if (ReplyStatus(reply) != 0) {
        check.status = ReplyMessage(web::kStatLogin, reply);
        return check;
    }
    check.orderMoney = ParseDecimal(GetReplyField(reply, "ordermoney"));
    if (ParseProfileInt(GetReplyField(reply, "bfullmoney")) == 1) {
        check.paymentIndex = 0;
        if (request.showPayment) {
            context.Post([show = request.showPayment] { show(0); });
        }
    }
    const std::string question =
        PriceCheckQuestion(GetReplyField(reply, "username"), request.summaryText, check.orderMoney,
                           check.paymentIndex, GetReplyField(reply, "memo"));
    check.confirmed = context.Ask(question);
    if (!check.confirmed) check.status = LoginPrompt(web_);
    return check;
}

OrderOutcome WebOrderBackEnd::Submit(const OrderRequest& request, JobContext& context) {
    // The server took this job's order on an earlier try: it is that one.
    if (request.record) {
        if (std::optional<OrderOutcome> kept = request.record->AcceptedOrder(request.memberCode))
            return *kept;
    }
    PriceCheck check = CheckWebOrder(request, context);
    // Only a check that reached no server is worth another try; a customer
    // who said no is not asked again.
    if (!check.confirmed && check.noReply && client_.CurrentHost() == web2_ && !context.Stopped()) {
        check = CheckWebOrder(request, context);
        if (!check.confirmed) PauseUnlessStopped(context, kGiveUpPause);
    }
    if (!check.confirmed) return Failed(check.status);
    return StartOrder(request, check.paymentIndex, context);
}

OrderOutcome WebOrderBackEnd::StartOrder(const OrderRequest& request, int paymentIndex,
                                         JobContext& context) {
    const std::string body =
        EndpointBody(web::kStartOrder, {text::IntText(paymentIndex), request.memberCode,
                                        request.password, request.productList, request.localId});
    const std::string reply =
        client_.PostForm(web::kStartOrder.path, body, [&context] { return context.Stopped(); });
    if (context.Stopped()) return {};
    if (!HasReplyStatus(reply)) {
        client_.InvertSecondHost();
        return Failed(web::kConnectFailed);
    }
    if (ReplyStatus(reply) != 0) return Failed(ReplyMessage(web::kStartOrder, reply));
    OrderOutcome out;
    out.orderNumber = "00" + GetReplyField(reply, "orderid");
    out.orderMoney = ParseDecimal(GetReplyField(reply, "ordermoney"));
    if (gbk::Length(out.orderNumber) < kOrderNumberBytes || !IsUsableOrderNumber(out.orderNumber))
        return Failed(web::kOrderNumberMissing);
    if (GetReplyField(reply, "localid") != request.localId) return Failed(web::kOrderCheckFailed);
    out.placed = true;
    out.memberCode = request.memberCode;
    out.paymentIndex = paymentIndex;
    // Saved before anything else is written. Should it not reach the disk,
    // a later try sends the same localid, by which the server knows the order.
    if (request.record) request.record->SaveAcceptedOrder(out);
    return out;
}

}  // namespace orelle
