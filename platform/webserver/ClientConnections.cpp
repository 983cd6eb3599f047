#include "platform/webserver/ClientConnections.h"

#include <tuple>

namespace orelle {

ClientConnections::ClientConnections(int all, int perClient, End end)
    : all_(static_cast<std::size_t>(all)),
      perClient_(static_cast<std::size_t>(perClient)),
      end_(std::move(end)) {}

HeldConnection* ClientConnections::Admit(int sock, std::string client) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::size_t live = 0, mine = 0;
    for (const HeldConnection& c : held_) {
        if (c.ended) continue;
        ++live;
        if (c.client == client) ++mine;
    }
    if (mine >= perClient_ || live >= all_) {
        HeldConnection* out = Incomplete(mine >= perClient_ ? client : std::string());
        if (!out) return nullptr;
        EndOne(*out);
    }
    held_.push_back(HeldConnection{sock, std::move(client), std::chrono::steady_clock::now()});
    return &held_.back();
}

HeldConnection* ClientConnections::Incomplete(const std::string& client) {
    HeldConnection* oldest = nullptr;
    for (HeldConnection& c : held_) {
        if (c.ended || c.requestCame || (!client.empty() && c.client != client)) continue;
        if (!oldest ||
            std::tie(c.lineCame, c.arrived) < std::tie(oldest->lineCame, oldest->arrived))
            oldest = &c;
    }
    return oldest;
}

void ClientConnections::EndOne(HeldConnection& c) {
    c.ended = true;
    end_(c);
}

void ClientConnections::LineCame(HeldConnection& c) {
    std::lock_guard<std::mutex> lock(mutex_);
    c.lineCame = true;
}

void ClientConnections::RequestCame(HeldConnection& c) {
    std::lock_guard<std::mutex> lock(mutex_);
    c.lineCame = c.requestCame = true;
}

void ClientConnections::Remove(HeldConnection& c) {
    std::lock_guard<std::mutex> lock(mutex_);
    held_.remove_if([&c](const HeldConnection& h) { return &h == &c; });
}

void ClientConnections::EndAll() {
    std::lock_guard<std::mutex> lock(mutex_);
    for (HeldConnection& c : held_)
        if (!c.ended) EndOne(c);
}

}  // namespace orelle
