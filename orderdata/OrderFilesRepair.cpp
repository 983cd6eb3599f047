#include "orderdata/OrderFilesRepair.h"

#include <optional>
#include <string_view>
#include <vector>

#include "orderdata/OrderNumberCheck.h"
#include "platform/files/FileSystem.h"
#include "platform/gbk/Gbk.h"
#include "platform/ini/IniDocument.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

std::string_view Value(const std::optional<std::string_view>& v) {
    return v ? *v : std::string_view();
}

// photo.ini's header line; no value holds a line break, so the first one
// is the header's.
std::string Flag(char placed) { return std::string("\r\nbSuccess=") + placed + "\r\n"; }

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
    const std::string from = Flag(saysPlaced ? '1' : '0');
    const std::size_t at = bytes.find(from);
    if (at == std::string::npos) return false;
    bytes.replace(at, from.size(), Flag(marked ? '1' : '0'));
    return fs.ReplaceFile(photoIni, bytes);
}

int RepairDay(FileSystem& fs, const std::string& day) {
    std::string bytes;
    if (!fs.ReadFile(paths::Join(day, "order.ini"), &bytes)) return 0;
    const IniDocument doc = IniDocument::Parse(bytes);
    int repaired = 0;
    for (const IniDocument::SectionRef& ref : doc.Sections()) {
        const std::string job = gbk::ToUtf8(Value(doc.GetIn(ref.handle, "storeDDH")));
        if (!IsUsableOrderNumber(job)) continue;  // never a path out of the day
        const bool marked = Value(doc.GetIn(ref.handle, "bSuccess")) == "-1";
        const std::string photoIni = paths::Join(paths::Join(day, job), "photo.ini");
        if (RepairJob(fs, photoIni, marked, Value(doc.GetIn(ref.handle, "saleDDH")))) ++repaired;
    }
    return repaired;
}

}  // namespace

int RepairOrderFiles(FileSystem& fs, const std::string& root) {
    std::vector<FolderEntry> days;
    if (!fs.ListFolder(root, &days)) return 0;
    int repaired = 0;
    for (const FolderEntry& day : days) {
        if (day.folder && !day.link) repaired += RepairDay(fs, paths::Join(root, day.name));
    }
    return repaired;
}

}  // namespace orelle
