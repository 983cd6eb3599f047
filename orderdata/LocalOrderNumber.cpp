#include "orderdata/LocalOrderNumber.h"

#include <cstdio>
#include <limits>

#include "orderdata/DayIndex.h"
#include "orderdata/OrderInfo.h"
#include "platform/files/FileSystem.h"
#include "platform/ini/Profile.h"

namespace orelle {

std::string FormatLocalOrderNumber(const std::string& datePrefix, std::int32_t counter) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", counter);
    return datePrefix + digits;
}

std::string NewLocalOrderNumber(const OrderPaths& paths, const std::string& datePrefix,
                                OrderInfo& info, bool& bOrderPlaced, FileSystem& fs) {
    // The next counter value, n + 1, must still be a number.
    constexpr std::int32_t kLast = std::numeric_limits<std::int32_t>::max() - 1;
    // The day's folder is kept before a number in it is: a power cut must
    // not take the counter back.
    if (!fs.CreateDirectories(paths.DayFolder()) || !fs.SyncFolder(paths.root)) return {};
    // Reading the counter, taking the folder and writing the counter are
    // one step for all stations on the backup root.
    const std::unique_ptr<FileLock> lock = LockDay(paths, fs);
    if (!lock) return {};
    Profile ini(paths.OrderIni(), fs);
    std::int32_t n = ini.GetInt("idcount", "idmax", 1);
    if (n < 1) n = 1;
    if (n > kLast) return {};
    std::string number = FormatLocalOrderNumber(datePrefix, n);
    // A folder that exists is an earlier job's (order.ini lost or damaged,
    // or a station that does not lock): never reused.
    while (!fs.CreateNewDirectory(paths.WorkFolder(number))) {
        if (n == kLast || !fs.DirectoryExists(paths.WorkFolder(number))) return {};
        number = FormatLocalOrderNumber(datePrefix, ++n);
    }
    // A failed write is caught by the folder at the next draw.
    ini.WriteString("idcount", "idmax", std::to_string(n + 1));
    info.historyID = n;
    bOrderPlaced = false;
    return number;
}

}  // namespace orelle
