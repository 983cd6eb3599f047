#pragma once
// A stand-in for the order web server: a real HTTP server on 127.0.0.1 on
// a free port, answering POSTs to each path from a script; slow, stalled
// and endless replies included. It records what reached it, as the server
// parsed it; RawListener shows the request's bytes.

#include <condition_variable>
#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "orderdata/ParamConfig.h"

namespace httplib {
class Server;
}

namespace orelle::testing {

struct StandInReply {
    std::string body;              // bytes, sent as they are
    int delayMs = 0;               // wait before answering
    bool stall = false;            // never answers until the server ends
    std::size_t chunkedBytes = 0;  // instead of body: this many bytes, chunked
};

struct StandInRequest {
    std::string path;
    std::string body;
};

class StandInServer {
  public:
    StandInServer();
    // Releases stalled replies first, then stops.
    ~StandInServer();
    StandInServer(const StandInServer&) = delete;
    StandInServer& operator=(const StandInServer&) = delete;

    int port() const { return port_; }
    // Paths without a script get 404 and no body.
    void Script(const std::string& path, StandInReply reply);
    void Answer(const std::string& path, std::string body) { Script(path, {std::move(body)}); }
    std::vector<StandInRequest> Requests() const;
    // Answers path as a shop's server may answer the order start: one
    // order per form field localid, a localid sent again gets the order it
    // got before. In reply "{localid}" and "{orderid}" stand for the two;
    // order ids count from 100001.
    void BookOrders(const std::string& path, std::string reply, int delayMs = 0);
    // The orders booked: localid to order id.
    std::map<std::string, std::string> Booked() const;
    // Number of requests whose handler has started, stalled ones included.
    int Arrived() const;

  private:
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable release_;
    bool ending_ = false;
    int arrived_ = 0;
    std::map<std::string, StandInReply> scripts_;
    std::string bookPath_, bookReply_;
    int bookDelayMs_ = 0;
    std::map<std::string, std::string> booked_;
    std::vector<StandInRequest> requests_;
};

// Settings whose first order web server is 127.0.0.1 at that port.
inline ParamConfig ServerAt(int port) {
    ParamConfig config;
    config.web = "127.0.0.1";
    config.webport = port;
    return config;
}

// A listener on 127.0.0.1 that takes one connection at a time, keeps the
// request's bytes (head and the body its Content-Length gives) and writes
// back the raw response it was given, then closes.
class RawListener {
  public:
    explicit RawListener(std::string response);
    ~RawListener();
    RawListener(const RawListener&) = delete;
    RawListener& operator=(const RawListener&) = delete;

    int port() const { return port_; }
    // The bytes of the requests so far.
    std::vector<std::string> Requests() const;

  private:
    void Serve();

    std::string response_;
    int fd_ = -1;
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
};

}  // namespace orelle::testing
