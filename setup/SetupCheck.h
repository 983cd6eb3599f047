#pragma once
// The shop's set-up check: reads the settings as the station would and
// tells, one line per finding, what will fail before a customer finds
// out. It asks the back office only harmless questions (the service
// notice, the member count); it never places an order, never writes below
// the backup root and never prints.

#include <string>
#include <vector>

namespace orelle {

class SetupProbes;
struct Services;

struct CheckLine {
    std::string topic;  // "backup root"
    bool ok = false;
    std::string text;  // what holds, or what is wrong and what to do
};

// settingsFolder and programFolder end with a separator. Runs for as long
// as the back office's time-outs allow at most.
std::vector<CheckLine> CheckSetup(const std::string& settingsFolder,
                                  const std::string& programFolder, Services& services,
                                  SetupProbes& probes);

bool AllHold(const std::vector<CheckLine>& lines);

// "topic        ok: text" or "topic        FAILED: text", a line each.
std::string CheckReport(const std::vector<CheckLine>& lines);

}  // namespace orelle
