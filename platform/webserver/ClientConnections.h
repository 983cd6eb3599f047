#pragma once
// The connections a web server holds, bounded in all and per client
// address. At a bound, a new connection takes the place of the oldest one
// whose request has not come whole (one without even its request line
// first): a client that sends slowly, or opens connections it does not
// use, cannot shut out one that sends its request. Only when every held
// connection has sent its request is the new one refused.
// Thread-safe; sockets are only named here, never read.

#include <chrono>
#include <cstdint>
#include <functional>
#include <list>
#include <mutex>
#include <string>

namespace orelle {

struct HeldConnection {
    int sock = -1;
    std::string client;  // the client's address
    std::chrono::steady_clock::time_point arrived;
    bool lineCame = false;     // the request line is in
    bool requestCame = false;  // the line and the headers are in
    bool ended = false;        // pushed out or stopped: no longer counted
};

class ClientConnections {
  public:
    // Called under the lock for each connection ended here, with whether
    // its request had come: the socket is still open then.
    using End = std::function<void(const HeldConnection&)>;

    ClientConnections(int all, int perClient, End end);

    // The connection held, or null when it is refused.
    HeldConnection* Admit(int sock, std::string client);
    void LineCame(HeldConnection& c);
    void RequestCame(HeldConnection& c);
    // Before its socket is closed.
    void Remove(HeldConnection& c);
    void EndAll();

  private:
    // Under the lock: the oldest connection of that client (any, when
    // empty) whose request has not come whole, or null.
    HeldConnection* Incomplete(const std::string& client);
    void EndOne(HeldConnection& c);

    const std::size_t all_, perClient_;
    const End end_;
    std::mutex mutex_;
    std::list<HeldConnection> held_;  // oldest first; stable addresses
};

}  // namespace orelle
