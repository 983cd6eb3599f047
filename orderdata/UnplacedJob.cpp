#include "orderdata/UnplacedJob.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "orderdata/DayIndex.h"
#include "orderdata/OrderNumberCheck.h"
#include "platform/files/FileSystem.h"
#include "platform/ini/IniDocument.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

constexpr const char* kBackOfficeWord = "backoffice.ini";

std::string_view Value(const std::optional<std::string_view>& v) {
    return v ? *v : std::string_view();
}

// The handles of the job's sections, last first, and whether one is marked.
std::vector<std::size_t> JobSections(const IniDocument& doc, const std::string& storeDDH,
                                     bool* placed) {
    std::vector<std::size_t> handles;
    for (const DayEntry& e : DayEntries(doc)) {
        if (e.job != storeDDH) continue;
        handles.insert(handles.begin(), e.handle);
        if (e.marked) *placed = true;
    }
    return handles;
}

bool PhotoIniSaysPlaced(const std::string& photoIni, FileSystem& fs) {
    std::string bytes;
    return fs.ReadFile(photoIni, &bytes) &&
           Value(IniDocument::Parse(bytes).Get("orderinfo", "bSuccess")) == "1";
}

bool IsJobName(const std::string& storeDDH) {
    return IsUsableOrderNumber(storeDDH) && storeDDH != "." && storeDDH != "..";
}

}  // namespace

JobMark ReadJobMark(const OrderPaths& paths, const std::string& storeDDH, FileSystem& fs) {
    JobMark mark;
    std::string bytes;
    if (!fs.ReadFile(paths.OrderIni(), &bytes)) return mark;
    mark.named = !JobSections(IniDocument::Parse(bytes), storeDDH, &mark.placed).empty();
    return mark;
}

bool RemoveUnplacedJob(const OrderPaths& paths, const std::string& storeDDH, FileSystem& fs) {
    if (!IsJobName(storeDDH)) return false;
    const std::unique_ptr<FileLock> lock = LockDay(paths, fs);
    if (!lock) return false;
    const std::string folder = paths.WorkFolder(storeDDH);
    std::string bytes;
    const bool hasIndex = fs.ReadFile(paths.OrderIni(), &bytes);
    IniDocument doc = IniDocument::Parse(bytes);
    bool placed = false;
    const std::vector<std::size_t> sections = JobSections(doc, storeDDH, &placed);
    if (placed || PhotoIniSaysPlaced(paths.PhotoIni(storeDDH), fs) ||
        fs.FileExists(paths::Join(folder, kBackOfficeWord)))
        return false;
    // The folder first: a section left by a cut names nothing, and the
    // next removal takes it.
    if (!fs.RemoveTree(folder)) return false;
    if (!hasIndex || sections.empty()) return true;
    for (const std::size_t handle : sections) doc.RemoveSectionAt(handle);
    return fs.ReplaceFile(paths.OrderIni(), doc.Serialize());
}

}  // namespace orelle
