#pragma once
// The album login's exchange and what its reply means, without a window.

#include <functional>
#include <string>

namespace orelle {

class WebClient;

struct AlbumLoginOutcome {
    bool accepted = false;
    std::string orderNumber;     // "00" + orderid; empty when the status gave none
    std::string albumList;       // see AlbumList.h
    const char* hint = nullptr;  // when not accepted
};

// The reply of albumlogin.asp read: status 0 gives the order number and
// the album list text (from the first backslash up to the first "||"), and
// is accepted when the order number has 8 or more characters; status 1, no
// reply or no status is a network failure; any other status is accepted as
// it is.
AlbumLoginOutcome ReadAlbumLoginReply(const std::string& reply);

// One login on the calling thread.
AlbumLoginOutcome AlbumLogin(const WebClient& client, const std::string& user,
                             const std::string& password, const std::function<bool()>& stopped);

}  // namespace orelle
