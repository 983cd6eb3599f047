#include "submit/WebLimits.h"

#include <algorithm>

#include "orderdata/ParamConfig.h"
#include "platform/ini/Profile.h"

namespace orelle {
namespace {

constexpr long kLongestSeconds = 600;

long Milliseconds(const Profile& ini, const char* key, long defaultMs) {
    const long seconds = ini.GetInt("webserver", key, 0);
    if (seconds <= 0) return defaultMs;
    return std::min(seconds, kLongestSeconds) * 1000;
}

}  // namespace

HttpLimits LoadWebLimits(const std::string& settingsFolder, FileSystem& fs) {
    const Profile ini(ParamIniPath(settingsFolder), fs);
    HttpLimits limits;
    limits.connectTimeoutMs = Milliseconds(ini, "connecttimeout", limits.connectTimeoutMs);
    limits.totalTimeoutMs = Milliseconds(ini, "timeout", limits.totalTimeoutMs);
    return limits;
}

}  // namespace orelle
