// Preloaded into orelle-kiosk by the kill tests (LD_PRELOAD): the process
// kills itself with SIGKILL at one chosen step of writing a file, so that a
// kill -9 lands on that step every time. Every file of an order is written
// beside its place and renamed over it; the steps are:
//   before - the new file is complete but not in place;
//   torn   - the new file is half written (cut in two), not in place;
//   after  - the new file is in place, nothing later has happened.
// ORELLE_KILL_AT is "NAME|TEXT|STEP": the first rename onto a file named
// NAME whose new text holds TEXT (empty: any) is the step's one. Without
// the variable nothing changes.

#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>

namespace {

struct KillPoint {
    std::string name;
    std::string text;
    std::string step;  // empty: none
};

KillPoint ReadKillPoint() {
    const char* spec = std::getenv("ORELLE_KILL_AT");
    const std::string s(spec != nullptr ? spec : "");
    const std::size_t a = s.find('|');
    const std::size_t b = a == std::string::npos ? a : s.find('|', a + 1);
    if (b == std::string::npos) return {};
    KillPoint point{s.substr(0, a), s.substr(a + 1, b - a - 1), s.substr(b + 1)};
    if (point.step != "before" && point.step != "torn" && point.step != "after") return {};
    return point;
}

std::string BaseName(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash != nullptr ? slash + 1 : path;
}

std::string Contents(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Matches(const KillPoint& point, const char* from, const char* to) {
    if (point.step.empty() || BaseName(to) != point.name) return false;
    return point.text.empty() || Contents(from).find(point.text) != std::string::npos;
}

[[noreturn]] void Die() {
    ::kill(::getpid(), SIGKILL);
    for (;;) ::pause();
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int rename(const char* from, const char* to) {
    using Rename = int (*)(const char*, const char*);
    static const Rename real = reinterpret_cast<Rename>(::dlsym(RTLD_NEXT, "rename"));
    static const KillPoint point = ReadKillPoint();
    // Writers on several threads: one at a time, so the step is seen once.
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    if (Matches(point, from, to)) {
        if (point.step == "torn") {
            const std::string text = Contents(from);
            if (::truncate(from, static_cast<off_t>(text.size() / 2)) != 0) std::perror("truncate");
        }
        if (point.step != "after") Die();
        const int result = real(from, to);
        if (result == 0) Die();
        return result;
    }
    return real(from, to);
}
