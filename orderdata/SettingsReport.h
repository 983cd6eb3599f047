#pragma once
// What the station uses with the settings it found, as text for the
// shop's technician: folders, order date, servers, edition, print sizes and
// prices.

#include <string>
#include <vector>

namespace orelle {

struct FeatureFlags;
struct StartupData;

std::string SettingsReport(const StartupData& startup, const FeatureFlags& flags);

// One section of param.ini as read: its heading, then a line per key with
// the values lined up ("  mindpi     150").
struct SettingsKey {
    const char* key;
    std::string value;
};
std::string SettingsSection(const char* section, const std::vector<SettingsKey>& keys);

// text padded with blanks to columns display columns (a Chinese character
// takes two, as in a terminal); a longer text is left as it is.
std::string PadToColumns(const std::string& text, std::size_t columns);

}  // namespace orelle
