#include "orderdata/ParamConfig.h"

#include <algorithm>

#include "orderdata/FeatureFlags.h"
#include "platform/ini/Profile.h"
#include "platform/paths/Paths.h"

namespace orelle {

std::string ParamIniPath(const std::string& settingsFolder) { return settingsFolder + "param.ini"; }

ParamConfig LoadParamConfig(const std::string& settingsFolder, FileSystem& fs) {
    const Profile ini(ParamIniPath(settingsFolder), fs);
    ParamConfig c;
    // Never below whatever folder the program was started from: an empty
    // root is the default one, a relative one lies below the settings.
    c.dir = ini.GetString("Lumora-backup", "dir", "");
    if (c.dir.empty()) {
        c.dir = paths::DefaultBackupRoot();
    } else if (!paths::IsAbsolute(c.dir)) {
        c.dir = paths::Join(settingsFolder, c.dir);
    }
    c.dbHost = ini.GetString("dbserver", "host", "");
    c.dbUser = ini.GetString("dbserver", "user", "");
    c.dbPassword = ini.GetString("dbserver", "password", "");
    c.dbDriver = ini.GetString("dbserver", "driver", "");
    c.dbName = ini.GetString("dbserver", "database", "");
    c.dbLoginTimeout = ini.GetInt("dbserver", "logintimeout", 10);
    c.computerId = ini.GetString("computerid", "id", "00");
    c.userinfo.user = ini.GetString("userinfo", "user", "000001");
    c.userinfo.username = ini.GetString("userinfo", "name", "");
    c.userinfo.phone = ini.GetString("userinfo", "telephone", "");
    c.userinfo.mobile = ini.GetString("userinfo", "mobile", "");
    c.userinfo.sendaddr = ini.GetString("userinfo", "address", "");
    c.def_store = ini.GetString("other", "def_store", "");
    c.insertdb = ini.GetInt("other", "insertdb", 0);
    c.showofile = ini.GetInt("other", "showofile", 0);
    c.get_mode = ini.GetInt("other", "get_mode", 0);
    c.web = ini.GetString("webserver", "web", kDefaultWebHost);
    c.proxyser = ini.GetString("webserver", "proxyser", "");
    c.hproxy = ini.GetInt("webserver", "hproxy", 0);
    c.fcompress = ini.GetInt("compress", "fcompress", 0);
    c.pay = ini.GetInt("defpay", "pay", 0);
    c.print = ini.GetInt("printorder", "print", 0);
    c.printprice = ini.GetInt("printorder", "printprice", 0);
    c.mindpi = ini.GetInt("quality", "mindpi", kDefaultMinDpi);
    c.pickup.hours = ini.GetString("pickup", "hours", "");
    c.pickup.open = ini.GetString("pickup", "open", "");
    c.receiptCode = ini.GetString("receipt", "code", "qr");
    c.keepdays = ini.GetInt("privacy", "keepdays", 0);
    c.keepunplaced = ini.GetInt("privacy", "keepunplaced", 24);
    c.recoveryMinutes = ini.GetInt("recovery", "minutes", 15);
    c.idle = std::max(ini.GetInt("privacy", "idle", kDefaultIdleSeconds), 0);
    if (c.idle > 0) c.idle = std::max(c.idle, kShortestIdleSeconds);
    c.faces = ini.GetInt("crop", "faces", kDefaultFaces);
    c.currentWeb = c.web;
    return c;
}

}  // namespace orelle
