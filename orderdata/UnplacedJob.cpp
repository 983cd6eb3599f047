#include "orderdata/UnplacedJob.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "orderdata/DayIndex.h"
#include "orderdata/OrderNumberCheck.h"
#include "platform/files/FileSystem.h"
#include "platform/ini/IniDocument.h"

namespace orelle {
namespace {

std::string_view Value(const std::optional<std::string_view>& v) {
    return v ? *v : std::string_view();
}

}  // namespace

bool RemoveUnplacedJob(const OrderPaths& paths, const std::string& storeDDH, FileSystem& fs) {
    // Never a path out of the day.
    if (!IsUsableOrderNumber(storeDDH) || storeDDH == "." || storeDDH == "..") return false;
    const std::unique_ptr<FileLock> lock = LockDay(paths, fs);
    if (!lock) return false;
    std::string job;
    if (fs.ReadFile(paths.PhotoIni(storeDDH), &job) &&
        Value(IniDocument::Parse(job).Get("orderinfo", "bSuccess")) == "1")
        return false;
    std::string bytes;
    IniDocument day;
    if (fs.ReadFile(paths.OrderIni(), &bytes)) day = IniDocument::Parse(bytes);
    std::vector<std::size_t> sections;
    for (const IniDocument::SectionRef& ref : day.Sections()) {
        if (Value(day.GetIn(ref.handle, "storeDDH")) != storeDDH) continue;
        if (Value(day.GetIn(ref.handle, "bSuccess")) == "-1") return false;
        sections.push_back(ref.handle);
    }
    // The index first: an entry whose folder is gone would send the
    // uploader looking for it; a folder left without its entry is only an
    // orphan.
    for (auto at = sections.rbegin(); at != sections.rend(); ++at) day.RemoveSection(*at);
    if (!sections.empty() && !fs.ReplaceFile(paths.OrderIni(), day.Serialize())) return false;
    return fs.RemoveTree(paths.WorkFolder(storeDDH));
}

}  // namespace orelle
