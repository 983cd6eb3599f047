#include "submit/ServiceNotice.h"

#include "submit/WebClient.h"
#include "submit/WebEndpoints.h"

namespace orelle {

std::string FetchServiceNotice(const WebClient& client, const std::function<bool()>& stopped) {
    return client.PostForm(web::kNotify.path, EndpointBody(web::kNotify, {"0"}), stopped);
}

}  // namespace orelle
