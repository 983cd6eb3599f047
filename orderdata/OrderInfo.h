#pragma once
// The header of the current order. One lives for the whole process; its
// customer fields are the [userinfo] values of the settings, shared so that
// the order dialog's changes reach both.

#include <cstdint>
#include <string>

#include "orderdata/CustomerInfo.h"

namespace orelle {

struct OrderInfo {
    explicit OrderInfo(CustomerInfo& customerFields, std::int32_t defaultPay = 0)
        : customer(customerFields), paymode(defaultPay) {}

    std::int32_t historyID = 0;  // the day's counter value of the job, or the host's order tag
    std::string storeDDH;        // local order number, also the work folder's name
    std::string saleDDH;         // the back office's order number, empty before placing
    CustomerInfo& customer;      // phone, mobile, user, username, sendaddr
    std::string bespeak;
    std::string memo;  // several lines
    std::string requir;
    std::string backupDir;  // work folder with a trailing separator
    std::string productlist;
    std::int32_t frate = 97;
    std::int32_t paymode = 0;
    std::string storeid;
    std::int32_t sendmode = 0;
    float OrderAmount = 0;
    std::string albumid;  // not empty for an album order

    bool IsAlbumOrder() const { return !albumid.empty(); }
};

}  // namespace orelle
