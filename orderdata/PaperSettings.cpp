#include "orderdata/PaperSettings.h"

#include <algorithm>

#include "orderdata/FeatureFlags.h"
#include "orderdata/ParamConfig.h"
#include "platform/ini/Profile.h"

namespace orelle {

std::int32_t ClampListCount(std::int32_t count) { return std::clamp(count, 0, kMaxListedEntries); }

PaperSettings LoadPaperSettings(const std::string& settingsFolder, FileSystem& fs) {
    const Profile param(ParamIniPath(settingsFolder), fs);
    const Profile flags(VerCtrlIniPath(settingsFolder), fs);
    PaperSettings s;
    s.paperctrl = param.GetInt("other", "paperctrl", 0);
    s.bcpaper = param.GetInt("other", "bcpaper", 0);
    s.defpaper = flags.GetInt("paper", "defpaper", 0);
    s.onlyf = flags.GetInt("paper", "onlyf", 0);
    const std::int32_t count = ClampListCount(flags.GetInt("paper", "count", 0));
    for (std::int32_t i = 1; i <= count; ++i) {
        s.papernames.push_back(flags.GetString("p" + std::to_string(i), "papername", " "));
    }
    return s;
}

std::string OrderPaperName(const std::string& settingsFolder, std::int32_t paperIndex,
                           FileSystem& fs) {
    if (paperIndex < 1 || paperIndex > 3) return "";
    const Profile flags(VerCtrlIniPath(settingsFolder), fs);
    return flags.GetString("p" + std::to_string(paperIndex), "papername", "数码");
}

}  // namespace orelle
