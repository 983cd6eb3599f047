#include "orderdata/OrderFilesRepair.h"

#include <optional>
#include <string_view>

#include "orderdata/DayIndex.h"
#include "orderdata/PhotoIniWriter.h"
#include "platform/files/FileSystem.h"
#include "platform/ini/IniDocument.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

std::string_view Value(const std::optional<std::string_view>& v) {
    return v ? *v : std::string_view();
}

// Rewrites the job's photo.ini when it disagrees with the day's mark.
bool RepairJob(FileSystem& fs, const std::string& photoIni, bool marked,
               std::string_view saleDDH) {
    std::string bytes;
    if (!fs.ReadFile(photoIni, &bytes)) return false;
    const IniDocument doc = IniDocument::Parse(bytes);
    const std::string_view flag = Value(doc.Get("orderinfo", "bSuccess"));
    const bool saysPlaced = flag == "1";
    if (saysPlaced == marked) return false;
    // A marked order is only told so in the photo.ini written for it.
    if (marked && Value(doc.Get("orderinfo", "saleddh")) != saleDDH) return false;
    return SetPhotoIniHeaderValue(&bytes, "bSuccess", marked ? "1" : "0") &&
           fs.ReplaceFile(photoIni, bytes);
}

}  // namespace

int RepairOrderFiles(FileSystem& fs, const std::string& root) {
    int repaired = 0;
    for (const IndexedOrder& order : IndexedOrders(fs, root)) {
        const std::string day = paths::Join(root, order.day);
        const std::string photoIni = paths::Join(paths::Join(day, order.job), "photo.ini");
        if (RepairJob(fs, photoIni, order.marked, order.saleDDH)) ++repaired;
    }
    return repaired;
}

}  // namespace orelle
