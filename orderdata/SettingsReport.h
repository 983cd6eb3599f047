#pragma once
// What the station uses with the settings it found, as text for the
// shop's technician: folders, order date, servers, edition, print sizes and
// prices.

#include <string>

namespace orelle {

struct FeatureFlags;
struct StartupData;

std::string SettingsReport(const StartupData& startup, const FeatureFlags& flags);

}  // namespace orelle
