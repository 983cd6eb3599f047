#include "orderdata/DayIndex.h"

#include <optional>

#include "orderdata/OrderNumberCheck.h"
#include "platform/files/FileSystem.h"
#include "platform/gbk/Gbk.h"
#include "platform/ini/IniDocument.h"
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

std::vector<DayEntry> DayEntries(const IniDocument& doc) {
    std::vector<DayEntry> out;
    for (const IniDocument::SectionRef& ref : doc.Sections()) {
        auto value = [&doc, &ref](const char* key) {
            return std::string(doc.GetIn(ref.handle, key).value_or(std::string_view()));
        };
        out.push_back({ref.handle, gbk::ToUtf8(ref.name), gbk::ToUtf8(value("storeDDH")),
                       value("saleDDH"), value("submitdate"), value("submittime"),
                       value("bSuccess") == "-1"});
    }
    return out;
}

std::vector<IndexedOrder> IndexedOrders(FileSystem& fs, const std::string& root) {
    std::vector<IndexedOrder> out;
    std::vector<FolderEntry> days;
    if (!fs.ListFolder(root, &days)) return out;
    for (const FolderEntry& day : days) {
        std::string bytes;
        if (!day.folder || day.link ||
            !fs.ReadFile(paths::Join(paths::Join(root, day.name), "order.ini"), &bytes))
            continue;
        for (DayEntry& e : DayEntries(IniDocument::Parse(bytes)))
            if (IsUsableOrderNumber(e.job))
                out.push_back({day.name, std::move(e.section), std::move(e.job),
                               std::move(e.saleDDH), e.marked});
    }
    return out;
}

}  // namespace orelle
