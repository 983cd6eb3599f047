#include "orderdata/DayIndex.h"

#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"

namespace orelle {

std::unique_ptr<FileLock> LockDay(const OrderPaths& paths, FileSystem& fs) {
    return fs.LockFile(paths::Join(paths.DayFolder(), ".order.lock"));
}

bool WriteDaySection(const OrderPaths& paths, FileSystem& fs, std::string_view section,
                     const Profile::KeyValues& keys) {
    const std::unique_ptr<FileLock> lock = LockDay(paths, fs);
    // Profile's write reads the file afresh: under the lock, what it reads
    // is what every other station has written.
    return lock && Profile(paths.OrderIni(), fs).WriteStrings(section, keys);
}

}  // namespace orelle
