#include "submit/PendingOrders.h"

#include <cstdlib>
#include <memory>
#include <optional>

#include "orderdata/CustomerInfo.h"
#include "orderdata/DayIndex.h"
#include "orderdata/DirList.h"
#include "orderdata/JobLock.h"
#include "orderdata/OrderInfo.h"
#include "orderdata/OrderPaths.h"
#include "orderdata/PhotoIniWriter.h"
#include "orderdata/PhotoList.h"
#include "orderdata/PhotoRecord.h"
#include "orderdata/UploadPackage.h"
#include "platform/files/FileSystem.h"
#include "platform/gbk/Gbk.h"
#include "platform/ini/IniDocument.h"
#include "platform/paths/Paths.h"
#include "submit/BackOfficeRecord.h"

namespace orelle {
namespace {

std::string WorkFolder(const std::string& root, const IndexedOrder& order) {
    return OrderPaths{root, order.day}.WorkFolder(order.job);
}

std::string KeptNumber(FileSystem& fs, const std::string& workFolder) {
    const std::optional<OrderOutcome> kept = BackOfficeRecord(fs, workFolder).AcceptedOrder("");
    return kept ? kept->orderNumber : std::string();
}

std::string Text(const IniDocument& ini, const std::string& section, const char* key) {
    return gbk::ToUtf8(ini.Get(section, key).value_or(std::string_view()));
}

// The package of the order from photo.ini's records.
bool MakePackage(FileSystem& fs, const OrderPaths& paths, const std::string& job,
                 const std::string& number, const std::string& photoIni) {
    const IniDocument ini = IniDocument::Parse(photoIni);
    CustomerInfo customer;
    customer.user = Text(ini, "orderinfo", "user");
    OrderInfo info(customer);
    info.storeDDH = job;
    info.saleDDH = number;
    PhotoList list;
    DirList dirs;
    const long count = std::strtol(Text(ini, "photoid", "photonumb").c_str(), nullptr, 10);
    for (long i = 1; i <= count; ++i) {
        auto record = std::make_unique<PhotoRecord>();
        record->srcName = Text(ini, std::to_string(i), "srcName");
        if (record->srcName.empty()) continue;
        dirs.AddIfAbsent(std::string(paths::DirectoryPart(record->srcName)));
        list.Append(std::move(record));
    }
    UploadPackage package(paths, info, list, dirs, paths.WorkFolder(job), fs);
    return package.CheckOrderOk() || package.MakeOrigOrder();
}

}  // namespace

std::vector<PendingOrder> FindPendingOrders(FileSystem& fs, const std::string& root) {
    std::vector<PendingOrder> out;
    for (const IndexedOrder& order : IndexedOrders(fs, root)) {
        const std::string work = WorkFolder(root, order);
        // A job a running station holds is under way, not left.
        if (order.marked || !fs.DirectoryExists(work) || JobFolderHeld(fs, work)) continue;
        out.push_back({order.day, order.job, order.section, KeptNumber(fs, work)});
    }
    return out;
}

FinishOutcome FinishPendingOrder(FileSystem& fs, const std::string& root, const std::string& job,
                                 bool withPackage, std::string* number) {
    std::optional<IndexedOrder> found;
    for (IndexedOrder& order : IndexedOrders(fs, root))
        if (order.job == job) found = std::move(order);
    if (!found || found->marked) return FinishOutcome::kNotPending;
    const std::string work = WorkFolder(root, *found);
    const std::unique_ptr<FileLock> held = HoldJobFolder(fs, work);
    if (!held) return FinishOutcome::kHeld;
    *number = KeptNumber(fs, work);
    if (number->empty()) return FinishOutcome::kNoNumber;

    const OrderPaths paths{root, found->day};
    const std::string photoIni = paths.PhotoIni(job);
    std::string bytes;
    const std::string saleDDH = gbk::FromUtf8(*number);
    if (!fs.ReadFile(photoIni, &bytes) || !SetPhotoIniHeaderValue(&bytes, "saleddh", saleDDH) ||
        !SetPhotoIniHeaderValue(&bytes, "bSuccess", "0") || !fs.ReplaceFile(photoIni, bytes) ||
        (withPackage && !MakePackage(fs, paths, job, *number, bytes)) ||
        !WriteDaySection(paths, fs, found->section, {{"saleDDH", *number}, {"bSuccess", "-1"}}))
        return FinishOutcome::kNotWritten;
    // Marked: should this fail, the next start mends it.
    SetPhotoIniHeaderValue(&bytes, "bSuccess", "1");
    fs.ReplaceFile(photoIni, bytes);
    return FinishOutcome::kFinished;
}

std::string JobSection(FileSystem& fs, const std::string& root, const std::string& dateStr,
                       const std::string& job) {
    if (!fs.DirectoryExists(OrderPaths{root, dateStr}.WorkFolder(job))) return {};
    for (const IndexedOrder& order : IndexedOrders(fs, root))
        if (order.day == dateStr && order.job == job) return order.section;
    return {};
}

}  // namespace orelle
