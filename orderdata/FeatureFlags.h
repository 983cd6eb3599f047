#pragma once
// The edition switches of ver_ctrl.ini. LoadFeatureFlags runs in every main
// window's constructor; the paper and store lists are read by their dialogs
// (PaperSettings, OrderDialogSettings).

#include <cstdint>
#include <string>

namespace orelle {

class FileSystem;
struct ParamConfig;

// Editions of verison_function; every other value is a third edition.
inline constexpr std::int32_t kEditionDatabase = 1000;
inline constexpr std::int32_t kEditionWeb = 2000;

struct FeatureFlags {
    // [version_control]
    std::int32_t verison_function = kEditionDatabase;
    std::int32_t myselfedit = 0;
    std::int32_t verison_ckuser = 0;
    std::int32_t verison_origdirfile = 0;
    std::int32_t sendaddress = 0;
    std::int32_t remem = 0;  // read by the order dialog

    bool IsDatabaseEdition() const { return verison_function == kEditionDatabase; }
    bool IsWebEdition() const { return verison_function == kEditionWeb; }
};

std::string VerCtrlIniPath(const std::string& settingsFolder);

// verison_function alone, for windows that read it when they need it.
std::int32_t ReadEdition(const std::string& settingsFolder, FileSystem& fs);

// Reads the five switches of [version_control], then web, webport, web2 and
// webport2 of param.ini into config; the current server becomes web:webport.
FeatureFlags LoadFeatureFlags(const std::string& settingsFolder, ParamConfig& config,
                              FileSystem& fs);

// Reads web, webport, web2 and webport2 of param.ini into config and resets
// the current server to web:webport.
void LoadWebServers(const std::string& settingsFolder, ParamConfig& config, FileSystem& fs);

}  // namespace orelle
