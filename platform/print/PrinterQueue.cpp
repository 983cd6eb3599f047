#include "platform/print/PrinterQueue.h"

#include <algorithm>

namespace orelle {
namespace {

constexpr int kStopped = 5;

// The reason without its -error, -warning or -report ending.
std::string Bare(const std::string& reason) {
    for (const char* end : {"-error", "-warning", "-report"}) {
        const std::string e(end);
        if (reason.size() > e.size() && reason.compare(reason.size() - e.size(), e.size(), e) == 0)
            return reason.substr(0, reason.size() - e.size());
    }
    return reason;
}

bool Has(const PrinterQueue& q, const std::string& bare) {
    return std::any_of(q.reasons.begin(), q.reasons.end(),
                       [&](const std::string& r) { return Bare(r) == bare; });
}

// A reason that stops printing: the service's own errors, not its warnings.
const std::string* Blocking(const PrinterQueue& q) {
    for (const std::string& r : q.reasons)
        if (r.size() > 6 && r.compare(r.size() - 6, 6, "-error") == 0) return &r;
    return nullptr;
}

std::string Problem(const PrinterQueue& q) {
    const std::string resume = ", then resume it (cupsenable " + q.name + ")";
    const bool stopped = q.state == kStopped || Has(q, "paused");
    if (Has(q, "media-empty") || Has(q, "media-needed"))
        return std::string(stopped ? "is paused after running out of paper" : "is out of paper") +
               ": load paper" + (stopped ? resume : std::string());
    if (Has(q, "media-jam"))
        return std::string(stopped ? "is paused after a paper jam" : "has a paper jam") +
               ": clear the jam" + (stopped ? resume : std::string());
    if (Has(q, "offline"))
        return "cannot reach its printer (offline: not connected or switched off): connect it "
               "and switch it on" +
               (stopped ? resume : std::string());
    if (const std::string* r = Blocking(q))
        return "reports " + *r + ": see to the printer" + (stopped ? resume : std::string());
    if (stopped) return "is paused: resume it (cupsenable " + q.name + ")";
    if (!q.accepting)
        return "does not accept jobs (disabled): accept them again (cupsaccept " + q.name + ")";
    return {};
}

}  // namespace

std::string QueueProblem(const PrinterQueue& queue) {
    std::string problem = Problem(queue);
    if (problem.empty()) return {};
    // A stopped queue that also rejects jobs needs both.
    if (!queue.accepting && problem.find("cupsaccept") == std::string::npos)
        problem += "; it does not accept jobs either (cupsaccept " + queue.name + ")";
    if (!queue.message.empty()) problem += " [the printer said: " + queue.message + "]";
    return "queue " + queue.name + " " + problem;
}

}  // namespace orelle
