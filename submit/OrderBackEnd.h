#pragma once
// The order dialog's exchange with the back office, the order web server or
// the order database, behind one interface. Submit runs on the dialog's
// worker (platform/jobs/JobRunner); it reaches the customer only through its
// context: yes/no questions through Ask, which the dialog shows as its
// edition's box (the database's "资料提示!", the web's "特别提示:" with No
// as default), and the request's UI pieces through Post. Once the context
// is stopped the outcome reaches nobody, so a stopped Submit may return
// whatever it has.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/jobs/JobContext.h"

namespace orelle {

class BackOfficeRecord;

// The member the host fixed for the session; none when the code is empty.
struct FixedMember {
    std::string code, password;
};

// What goes down to the back office: made once by the order placement; the
// order dialog adds what the customer types.
struct OrderRequest {
    std::string summaryText;      // the order summary with its paper finish
    std::string localId;          // the job's local order id
    std::string productList;      // "code:count/" per print size
    std::string requirement;      // the customer's requirement text
    std::int32_t storeIndex = 0;  // the host's store number
    FixedMember fixedMember;      // the host's member, if it set one

    std::string memberCode, password;
    int paymentIndex = 0;  // 0 stored-value card, 1 bank card, 2 on pickup
    bool delivery = false;
    // The job's record of what the back office said: an order it accepted
    // is completed from it, never booked again. Null: none is kept.
    std::shared_ptr<BackOfficeRecord> record;

    // UI pieces, for Submit to hand to JobContext::Post while it works;
    // either may be empty. The status line's text, and a payment mode that
    // the back office imposes before the customer confirms.
    std::function<void(const std::string&)> showStatus;
    std::function<void(int)> showPayment;
};

// What comes back up: the back end's answer, completed by the order dialog
// with what the order files need. Only the order placement writes it into
// the order header.
struct OrderOutcome {
    bool placed = false;
    std::string status;  // the status line's text when not placed
    std::string orderNumber;
    // The member code the order is recorded under: the database may find
    // the member by a phone number and give the real code. Empty leaves
    // the current one.
    std::string memberCode;
    double orderMoney = 0;
    // From the back end: the payment mode the order was placed with, when
    // the back office tells it. From the dialog: a web order's payment;
    // empty, the header keeps its payment, amount and delivery.
    std::optional<int> paymentIndex;

    std::string closingNotice;  // shown once the order files are written
    bool delivery = false;
    std::string contactName, telephone, address, mobile;
    std::string appointment;  // AppointmentTime
    std::string pickupPointId = "0";
};

class OrderBackEnd {
  public:
    virtual ~OrderBackEnd() = default;
    virtual OrderOutcome Submit(const OrderRequest& request, JobContext& context) = 0;
};

}  // namespace orelle
