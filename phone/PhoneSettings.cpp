#include "phone/PhoneSettings.h"

#include "orderdata/ParamConfig.h"
#include "orderdata/SettingsReport.h"
#include "platform/ini/Profile.h"
#include "platform/webserver/WebServer.h"

namespace orelle {

PhoneSettings LoadPhoneSettings(const std::string& settingsFolder, FileSystem& fs) {
    PhoneSettings s = ReadPhoneSettings(settingsFolder, fs);
    if (s.address.empty()) s.address = FirstLocalIpv4();
    return s;
}

PhoneSettings ReadPhoneSettings(const std::string& settingsFolder, FileSystem& fs) {
    const Profile ini(ParamIniPath(settingsFolder), fs);
    PhoneSettings s;
    s.enabled = ini.GetInt("phone", "enabled", 0) == 1;
    const int port = ini.GetInt("phone", "port", 8765);
    s.port = port >= 0 && port <= 65535 ? port : 8765;
    s.address = ini.GetString("phone", "address", "");
    const int minutes = ini.GetInt("privacy", "phonelink", s.linkMinutes);
    if (minutes >= 1) s.linkMinutes = minutes;
    return s;
}

std::string PhoneSettingsSection(const std::string& settingsFolder, FileSystem& fs) {
    const PhoneSettings s = ReadPhoneSettings(settingsFolder, fs);
    const std::string first = FirstLocalIpv4();
    return SettingsSection(
        "phone", {{"enabled", s.enabled ? "1" : "0"},
                  {"port", s.port == 0 ? "0 (any free port)" : std::to_string(s.port)},
                  {"address", !s.address.empty() ? s.address
                                                 : "(empty: " + (first.empty() ? "none" : first) +
                                                       ", this machine's first)"},
                  {"[privacy] phonelink", std::to_string(s.linkMinutes) + " min"}});
}

}  // namespace orelle
