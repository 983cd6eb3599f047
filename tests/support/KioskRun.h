#pragma once
// orelle-kiosk run as a child process on a settings folder of its own, for
// tests that look at what the station leaves on the disk. A run can be
// killed with SIGKILL after a time, or kill itself at a step of writing a
// file (the preloaded KillAtRename library). Runs may go on side by side.

#include <optional>
#include <string>
#include <vector>

namespace orelle::testing {

// A copy of the shipped settings in a folder of the test's, with the
// order files under backupRoot.
void MakeKioskSettings(const std::string& configDir, const std::string& backupRoot,
                       bool withPackage);

// Members all have initializers, so that a run may name only some.
struct KioskRun {
    std::vector<std::string> args{};
    // "NAME|TEXT|STEP" for KillAtRename; empty: no such step.
    std::string killAtStep{};
    // Killed from outside after this many milliseconds.
    std::optional<int> killAfterMs{};
    // Started this much later than the runs beside it.
    int startDelayMs = 0;
    // Added to the environment.
    std::vector<std::pair<std::string, std::string>> env{};
    // Another program than the kiosk.
    std::string program{};
    std::string workingDirectory{};  // empty: the test's own
};

struct KioskOutcome {
    bool killed = false;  // ended by SIGKILL (from either side)
    int exitCode = -1;
    std::string output;  // standard output
    std::string errors;  // standard error
    int elapsedMs = 0;
};

// An order of the card's photos for the member M01, on those settings.
KioskRun MemberOrder(const std::string& configDir, const std::string& card);

// Runs each to its end (30 s at most each), all at the same time.
std::vector<KioskOutcome> RunKiosks(const std::vector<KioskRun>& runs);
KioskOutcome RunKiosk(const KioskRun& run);

// The order number that a run printed as placed; empty when none.
std::string PlacedOrderNumber(const KioskOutcome& outcome);

}  // namespace orelle::testing
