#include "orderdata/LocalOrderNumber.h"

#include <cstdio>
#include <limits>

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
    fs.CreateDirectories(paths.DayFolder());
    Profile ini(paths.OrderIni(), fs);
    std::int32_t n = ini.GetInt("idcount", "idmax", 1);
    if (n < 1) n = 1;
    if (n > kLast) return {};
    std::string number = FormatLocalOrderNumber(datePrefix, n);
    while (fs.DirectoryExists(paths.WorkFolder(number))) {
        if (n == kLast) return {};  // never an earlier job's folder
        number = FormatLocalOrderNumber(datePrefix, ++n);
    }
    // A failed write is caught by the folder check at the next draw, once the
    // job's work folder exists.
    ini.WriteString("idcount", "idmax", std::to_string(n + 1));
    info.historyID = n;
    bOrderPlaced = false;
    return number;
}

}  // namespace orelle
