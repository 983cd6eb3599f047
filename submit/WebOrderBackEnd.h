#pragma once
// Placing an order with the order web server: the price check, which the
// customer confirms, then the order start. Runs on the order dialog's
// worker and reaches the customer only through the job's context.
//
// The client's current host may change on the way (a price check without
// reply moves to the other host): nothing else may use the client while
// Submit runs.

#include <string>

#include "submit/OrderBackEnd.h"

namespace orelle {

class WebClient;
struct ParamConfig;

// How a price check ended.
struct PriceCheck {
    bool confirmed = false;
    // Nothing usable came back; the client has switched hosts.
    bool noReply = false;
    std::string status;  // when not confirmed; may be empty
    double orderMoney = 0;
    int paymentIndex = 0;  // the customer's, or 0 when the account must pay in full
};

// "支付方式:..." of the confirmation.
const char* PaymentText(int paymentIndex);

// The confirmation of a price check: who orders, what, for how much and how
// it is paid; with the server's memo, the variant that points to delivery.
std::string PriceCheckQuestion(const std::string& username, const std::string& summaryText,
                               double orderMoney, int paymentIndex, const std::string& memo);

class WebOrderBackEnd final : public OrderBackEnd {
  public:
    // servers gives the first and second host's names (the client has
    // them too, but does not tell); uploadCount is the host's upload
    // window's count, sent with the price check. The client must outlive
    // the back end.
    WebOrderBackEnd(WebClient& client, const ParamConfig& servers, double uploadCount);

    // The price check, retried once on the second host after a check
    // without reply, then the order start.
    OrderOutcome Submit(const OrderRequest& request, JobContext& context) override;

    // One price check with its confirmation.
    PriceCheck CheckWebOrder(const OrderRequest& request, JobContext& context);

  private:
    OrderOutcome StartOrder(const OrderRequest& request, int paymentIndex, JobContext& context);
    OrderOutcome Failed(std::string status) const;

    WebClient& client_;
    std::string web_, web2_;
    double uploadCount_;
};

}  // namespace orelle
