#include "phone/PhoneSettings.h"

#include "orderdata/ParamConfig.h"
#include "platform/ini/Profile.h"
#include "platform/webserver/WebServer.h"

namespace orelle {

PhoneSettings LoadPhoneSettings(const std::string& settingsFolder, FileSystem& fs) {
    const Profile ini(ParamIniPath(settingsFolder), fs);
    PhoneSettings s;
    s.enabled = ini.GetInt("phone", "enabled", 0) == 1;
    const int port = ini.GetInt("phone", "port", 8765);
    s.port = port >= 0 && port <= 65535 ? port : 8765;
    s.address = ini.GetString("phone", "address", "");
    if (s.address.empty()) s.address = FirstLocalIpv4();
    const int minutes = ini.GetInt("privacy", "phonelink", s.linkMinutes);
    if (minutes >= 1) s.linkMinutes = minutes;
    return s;
}

}  // namespace orelle
