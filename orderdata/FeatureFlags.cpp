#include "orderdata/FeatureFlags.h"

#include "orderdata/ParamConfig.h"
#include "platform/ini/Profile.h"

namespace orelle {

std::string VerCtrlIniPath(const std::string& settingsFolder) {
    return settingsFolder + "ver_ctrl.ini";
}

void LoadWebServers(const std::string& settingsFolder, ParamConfig& config, FileSystem& fs) {
    const Profile param(ParamIniPath(settingsFolder), fs);
    config.web = param.GetString("webserver", "web", kDefaultWebHost);
    config.webport = param.GetInt("webserver", "webport", 80);
    config.web2 = param.GetString("webserver", "web2", kDefaultWebHost);
    config.webport2 = param.GetInt("webserver", "webport2", 80);
    config.currentWeb = config.web;
    config.currentWebPort = config.webport;
}

std::int32_t ReadEdition(const std::string& settingsFolder, FileSystem& fs) {
    return Profile(VerCtrlIniPath(settingsFolder), fs)
        .GetInt("version_control", "verison_function", kEditionDatabase);
}

FeatureFlags LoadFeatureFlags(const std::string& settingsFolder, ParamConfig& config,
                              FileSystem& fs) {
    const Profile ini(VerCtrlIniPath(settingsFolder), fs);
    FeatureFlags f;
    f.verison_function = ReadEdition(settingsFolder, fs);
    f.myselfedit = ini.GetInt("version_control", "myselfedit", 0);
    f.verison_ckuser = ini.GetInt("version_control", "verison_ckuser", 0);
    f.verison_origdirfile = ini.GetInt("version_control", "verison_origdirfile", 0);
    f.sendaddress = ini.GetInt("version_control", "sendaddress", 0);
    LoadWebServers(settingsFolder, config, fs);
    return f;
}

}  // namespace orelle
