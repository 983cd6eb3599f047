#pragma once
// The service notice: the delivery notes the order web server publishes,
// shown as they come.

#include <functional>
#include <string>

namespace orelle {

class WebClient;

// The whole reply of notify.asp; empty when there is none.
std::string FetchServiceNotice(const WebClient& client, const std::function<bool()>& stopped);

}  // namespace orelle
