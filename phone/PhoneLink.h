#pragma once
// The station's one door for phones, served from the first visit until the
// station closes: requests under the current visit's address go to its
// session; every other address (an ended visit, an older one, a guess, a
// station's other address) gets one small page saying that the link has
// ended, the same for all of them, in the phone's language when that is
// Chinese or English. A visit replaced by a newer one is never reached
// again. Safe on the server's threads and the window's at once.

#include <memory>
#include <mutex>
#include <string>

#include "platform/webserver/WebServer.h"

namespace orelle {

class PhoneSession;

class PhoneLink : public WebService {
  public:
    // The visit served from now on; null: none.
    void Serve(std::shared_ptr<PhoneSession> session);
    std::shared_ptr<PhoneSession> Session() const;

    WebAnswer Get(const WebRequest& request) override;
    WebAnswer Post(const WebRequest& request, WebBody& body) override;

  private:
    mutable std::mutex mutex_;
    std::shared_ptr<PhoneSession> session_;
};

// The ended page for an Accept-Language header: English when the phone
// prefers English to Chinese, else Chinese.
WebAnswer PhoneLinkEnded(const std::string& acceptLanguage);

}  // namespace orelle
