#pragma once

#include <string>

namespace orelle {

// The customer fields of an order; the defaults come from param.ini's
// [userinfo] and the order dialog changes them in place.
struct CustomerInfo {
    std::string phone;            // telephone
    std::string mobile;           // mobile
    std::string user = "000001";  // member code
    std::string username;         // name
    std::string sendaddr;         // address
};

}  // namespace orelle
