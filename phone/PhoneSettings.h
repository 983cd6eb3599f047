#pragma once
// param.ini [phone]: photos from phones, read by this one function for the
// station and for the set-up check alike.
//   enabled  1 offers "手机传照片" in the folder picker and when photos are
//            added (default 0)
//   port     the port of the upload page (default 8765, also for a value
//            that is no port; 0 any free port)
//   address  the address put into the QR code, and served on (default the
//            first IPv4 address of the machine that is not a loopback one)
// and [privacy]:
//   phonelink  minutes a phone's link lives after its code was shown,
//              whatever the phone does (default 30; below 1: the default)

#include <string>

namespace orelle {

class FileSystem;

struct PhoneSettings {
    bool enabled = false;
    int port = 8765;
    std::string address;
    int linkMinutes = 30;
};

PhoneSettings LoadPhoneSettings(const std::string& settingsFolder, FileSystem& fs);
// As the file says: the address stays empty where none is set.
PhoneSettings ReadPhoneSettings(const std::string& settingsFolder, FileSystem& fs);
// The section as the settings listing shows it, with the address used
// when none is set.
std::string PhoneSettingsSection(const std::string& settingsFolder, FileSystem& fs);

}  // namespace orelle
