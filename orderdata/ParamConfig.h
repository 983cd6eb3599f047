#pragma once
// The shop's settings from param.ini in the settings folder. Field names
// follow the file's keys. Read once at library load; the order dialog and
// the paper dialog read a few keys again themselves.

#include <cstdint>
#include <string>

#include "orderdata/CustomerInfo.h"
#include "orderdata/PickupTime.h"
#include "platform/paths/Paths.h"

namespace orelle {

class FileSystem;

// The maker's order server, used when param.ini names none.
inline constexpr const char* kDefaultWebHost = "order.lumora.invalid";
inline constexpr std::int32_t kDefaultMinDpi = 150;
inline constexpr std::int32_t kDefaultIdleSeconds = 90;
inline constexpr std::int32_t kShortestIdleSeconds = 5;
inline constexpr std::int32_t kDefaultFaces = 1;

struct ParamConfig {
    // [Lumora-backup]
    std::string dir =
        paths::DefaultBackupRoot();  // backup root of all work folders and order files
    // [dbserver]
    std::string dbHost;                // host
    std::string dbUser;                // user
    std::string dbPassword;            // password
    std::string dbDriver;              // driver: the ODBC driver, FreeTDS unless named
    std::string dbName;                // database: "lumora" unless named
    std::int32_t dbLoginTimeout = 10;  // logintimeout, seconds
    // [computerid]
    std::string computerId = "00";
    // [userinfo]: shared with the current order's customer fields.
    CustomerInfo userinfo;
    // [other]
    std::string def_store;
    std::int32_t insertdb = 0;
    std::int32_t showofile = 0;
    std::int32_t get_mode = 0;
    std::int32_t paperctrl = 0;  // read by the paper dialog only
    std::int32_t bcpaper = 0;    // read by the paper dialog only
    // [webserver]
    std::string web = kDefaultWebHost;
    std::int32_t webport = 80;
    std::string web2 = kDefaultWebHost;
    std::int32_t webport2 = 80;
    std::string proxyser;
    std::int32_t hproxy = 0;
    std::string userdp = "0";
    // [compress]
    std::int32_t fcompress = 0;
    // [defpay]
    std::int32_t pay = 0;
    // [printorder]
    std::int32_t print = 0;
    std::int32_t printprice = 0;
    // [quality]
    // A photo giving fewer pixels per inch of its print is marked as too
    // small; 0 (or below) marks none.
    std::int32_t mindpi = kDefaultMinDpi;
    // [pickup]: when the customer may come back (hours, open), for the
    // final notice and the receipt; empty hours: no such line.
    PickupSettings pickup;
    // [receipt] code: how the receipt prints the order number for the
    // counter's scanner: "qr" (default), "code128" (narrow printers), "none".
    std::string receiptCode = "qr";
    // [privacy]
    // Placed orders' work folders are removed that many days after the
    // order; 0 keeps them.
    std::int32_t keepdays = 0;
    // Jobs never placed, that no station holds, are removed that many
    // hours after their last change; 0 keeps them.
    std::int32_t keepunplaced = 24;
    // [recovery]
    // A job cut off by a crash or a power cut is offered again at the
    // station's start for that many minutes after its last change; 0 never.
    std::int32_t recoveryMinutes = 15;
    // [privacy]
    // Seconds without a touch or a key before a customer's visit is warned
    // of its end, then ended; 0 (or below) never; a shorter span than
    // kShortestIdleSeconds is that one.
    std::int32_t idle = kDefaultIdleSeconds;
    // [crop]
    // Faces found in the photos: 0 not looked for; 1 a crop that cuts one
    // is marked, and a tap on the mark moves the frame to hold them; 2 as
    // 1, and a new photo's first frame is placed to hold them (any value
    // above 2 as 2, below 0 as 0).
    std::int32_t faces = kDefaultFaces;

    // The order server now in use (the second server may replace the first).
    std::string currentWeb = kDefaultWebHost;
    std::int32_t currentWebPort = 80;
};

std::string ParamIniPath(const std::string& settingsFolder);

// Reads every key of param.ini except paperctrl, bcpaper, userdp, webport,
// web2 and webport2, which keep their defaults; the current server becomes
// web. A missing file or key gives the defaults.
ParamConfig LoadParamConfig(const std::string& settingsFolder, FileSystem& fs);

}  // namespace orelle
