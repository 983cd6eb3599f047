// One form post to a server on this machine, as the station makes it for
// every exchange: connection, request, reply, close.

#include "orderdata/ParamConfig.h"
#include "submit/WebClient.h"
#include "submit/WebEndpoints.h"
#include "support/StandInServer.h"
#include "support/Timing.h"

int main() {
    orelle::testing::StandInServer server;
    server.Answer(orelle::web::kStartOrder.path,
                  "status=0%ordermoney=12.5%orderid=123456%localid=1%");
    orelle::ParamConfig config;
    config.web = "127.0.0.1";
    config.webport = server.port();
    const orelle::WebClient client(config, {}, orelle::HttpPoster::Default());
    const std::string body = orelle::EndpointBody(
        orelle::web::kStartOrder, {"1", "80012345", "secret", "6x4:12/5x7:3/", "150307001"});
    std::string reply;
    const double t = orelle::bench::MedianSeconds(
        201, [&] { reply = client.PostForm(orelle::web::kStartOrder.path, body); });
    std::printf("# startorder.asp to the stand-in server on 127.0.0.1, median of 201\n");
    orelle::bench::Figure("post_form_ms", t * 1e3, "ms");
    return reply.empty() ? 1 : 0;
}
