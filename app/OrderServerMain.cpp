// orelle-order-server: a stand-in for the shop's order web server that
// answers the station's form posts from a script file (see
// OrderServerScript.h), so that web mode can be tried without the shop's
// server. The script is read again at every request; each request's path
// and body are printed as they arrived.
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "OrderServerScript.h"
#include "ProgramOptions.h"

namespace {

const char* const kUsage =
    "usage: orelle-order-server SCRIPT [--port N] [--host ADDRESS]\n"
    "  serves the replies of SCRIPT to POSTs; port 8080 and 127.0.0.1 by default\n";

int Usage() { return orelle::app::UsageError(kUsage); }

std::string ReadAll(const std::string& path, bool* ok) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    *ok = static_cast<bool>(in);
    return bytes.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (const int code =
            orelle::app::AnswerStandardOptions(argc, argv, "orelle-order-server", kUsage);
        code >= 0)
        return code;
    std::string script, host = "127.0.0.1";
    int port = 8080;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--port" && i + 1 < argc) {
            port = std::atoi(argv[++i]);
        } else if (arg == "--host" && i + 1 < argc) {
            host = argv[++i];
        } else if (script.empty() && !orelle::app::LooksLikeOption(argv[i])) {
            script = arg;
        } else {
            return Usage();
        }
    }
    if (script.empty() || port <= 0 || port > 65535) return Usage();
    bool ok = false;
    ReadAll(script, &ok);
    if (!ok) {
        std::cerr << "orelle-order-server: cannot read " << script << "\n";
        return 1;
    }

    httplib::Server server;
    server.Post(".*", [&script](const httplib::Request& req, httplib::Response& res) {
        std::printf("POST %s %s\n", req.path.c_str(), req.body.c_str());
        std::fflush(stdout);
        bool readable = false;
        const auto replies = orelle::ParseServerScript(ReadAll(script, &readable));
        const auto it = replies.find(req.path);
        if (it == replies.end()) {
            res.status = 404;
            return;
        }
        if (it->second.delayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(it->second.delayMs));
        std::string serial;
        if (it->second.body.find("{serial}") != std::string::npos) {
            static std::atomic<int> replies{0};
            const std::time_t now = std::time(nullptr);
            std::tm day{};
            localtime_r(&now, &day);
            serial = orelle::SerialNumber(day.tm_year + 1900, day.tm_mon + 1, day.tm_mday,
                                          ++replies);
        }
        res.set_content(orelle::FillReply(it->second.body, req.body, serial),
                        "text/html; charset=gbk");
    });
    std::printf("orelle-order-server: serving %s on %s:%d\n", script.c_str(), host.c_str(), port);
    std::fflush(stdout);
    if (!server.listen(host, port)) {
        std::cerr << "orelle-order-server: cannot listen on " << host << ":" << port << "\n";
        return 1;
    }
    return 0;
}
