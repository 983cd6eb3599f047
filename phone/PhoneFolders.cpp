#include "phone/PhoneFolders.h"

#include "orderdata/StationName.h"
#include "phone/PhoneSession.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"

namespace orelle {

std::string PhoneStationFolder(const std::string& backupRoot, const std::string& settingsFolder,
                               FileSystem& fs) {
    return paths::WithTrailingSeparator(
        paths::Join(paths::Join(backupRoot, "phone"), StationName(settingsFolder, fs)));
}

std::string NewPhoneSessionFolder(const std::string& stationFolder) {
    return paths::WithTrailingSeparator(paths::Join(stationFolder, NewPhoneToken()));
}

void RemovePhoneLeftovers(const std::string& backupRoot, const std::string& settingsFolder,
                          FileSystem& fs) {
    fs.RemoveTree(PhoneStationFolder(backupRoot, settingsFolder, fs));
}

}  // namespace orelle
