#include "orderdata/UploadPackage.h"

#include <cstdlib>
#include <thread>

#include "orderdata/DirList.h"
#include "orderdata/OrderInfo.h"
#include "orderdata/PhotoList.h"
#include "orderdata/TextCase.h"
#include "orderdata/UploadList.h"
#include "platform/files/FileSystem.h"
#include "platform/gbk/Gbk.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

constexpr const char* kMarkerFile = "lumora.ini";
constexpr const char* kUploadFile = "upfile.pro";
constexpr const char* kDownloadFile = "dlfile.pro";
constexpr int kCopyTries = 3;

bool IsSeparator(char c) { return c == paths::kSeparator || c == '/'; }

// Doubled separators made single.
std::string SingleSeparators(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (char c : path) {
        if (IsSeparator(c) && !out.empty() && IsSeparator(out.back())) continue;
        out += c;
    }
    return out;
}

// The part of path below folder as "/a/b" (empty for the folder itself);
// false when path does not lie in it. Letter case is ignored, as the
// folder list does.
bool RemoteBelow(const std::string& path, const std::string& folder, std::string* remote) {
    const std::string base = paths::WithoutTrailingSeparator(SingleSeparators(folder));
    std::string p = paths::WithoutTrailingSeparator(SingleSeparators(path));
    if (p.size() < base.size() ||
        !EqualsIgnoreCase(std::string_view(p).substr(0, base.size()), base))
        return false;
    if (p.size() > base.size() && !IsSeparator(p[base.size()]) && !base.empty() &&
        !IsSeparator(base.back()))
        return false;
    std::string rest = p.substr(base.size());
    if (!rest.empty() && !IsSeparator(rest.front())) rest.insert(rest.begin(), '/');
    for (char& c : rest)
        if (IsSeparator(c)) c = '/';
    *remote = std::move(rest);
    return true;
}

// An order number that names one folder and no other place.
bool IsPlainName(const std::string& name) {
    // Windows drops a last dot or blank: the folder would be another.
    if (name.empty() || name.back() == '.' || name.back() == ' ') return false;
    for (char c : name)
        if (IsSeparator(c) || c == '\\') return false;
    return true;
}

bool AllDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return !s.empty();
}

std::string WithoutLeadingZeros(std::string_view s) {
    const std::size_t first = s.find_first_not_of('0');
    return first == std::string_view::npos ? "0" : std::string(s.substr(first));
}

bool IsCalendarDay(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

int Number(std::string_view digits) { return std::atoi(std::string(digits).c_str()); }

}  // namespace

std::string GetOrderDate(const std::string& orderNumber) {
    if (orderNumber.size() < 10) return {};
    const std::string_view n(orderNumber);
    if (!AllDigits(n.substr(2, 8)) ||
        !IsCalendarDay(Number(n.substr(2, 4)), Number(n.substr(6, 2)), Number(n.substr(8, 2))))
        return {};
    return std::string(n.substr(2, 4)) + "-" + WithoutLeadingZeros(n.substr(6, 2)) + "-" +
           WithoutLeadingZeros(n.substr(8, 2));
}

UploadPackage::UploadPackage(const OrderPaths& paths, const OrderInfo& info, const PhotoList& list,
                             const DirList& dirs, std::string openedFolder, FileSystem& fs)
    : paths_(paths),
      info_(info),
      list_(list),
      dirs_(dirs),
      openedFolder_(std::move(openedFolder)),
      folderName_(
          paths::FileNamePart(paths::WithoutTrailingSeparator(SingleSeparators(openedFolder_)))),
      fs_(fs) {}

std::string UploadPackage::PackageFolder() const {
    return SingleSeparators(paths::WithTrailingSeparator(
        paths::Join(paths_.WorkFolder(info_.storeDDH), info_.saleDDH)));
}

std::string PackageDateFolder(const std::string& orderNumber, const std::string& dateStr) {
    const std::string date = GetOrderDate(orderNumber);
    return date.empty() ? dateStr : date;
}

std::string UploadPackage::DateFolder() const {
    return "/" + PackageDateFolder(info_.saleDDH, paths_.dateStr);
}

std::string UploadPackage::OrderRoot() const { return DateFolder() + "/" + info_.saleDDH;
}

std::string UploadPackage::FilesRoot() const {
    return folderName_.empty() ? OrderRoot() : OrderRoot() + "/" + folderName_;
}

bool UploadPackage::MakeOrigOrderDir(UploadList& list) const {
    if (!list.AddFolder(DateFolder()) || !list.AddFolder(OrderRoot())) return false;
    const std::string files = FilesRoot();
    if (!folderName_.empty() && !list.AddFolder(files)) return false;
    for (const std::string& dir : dirs_.Entries()) {
        std::string below;
        if (openedFolder_.empty() || !RemoteBelow(dir, openedFolder_, &below)) below.clear();
        if (!list.AddFolder(files + below)) return false;
    }
    return true;
}

bool UploadPackage::MakeOrigOrderFile(UploadList& list) const {
    const std::string files = FilesRoot();
    const std::string workFolder = paths_.WorkFolder(info_.storeDDH);
    for (std::int32_t i = 0; i < list_.GetSize(); ++i) {
        const std::string local = SingleSeparators(list_.At(i).srcName);
        std::string below;
        if (!RemoteBelow(local, workFolder, &below) || below.empty())
            below = "/" + std::string(paths::FileNamePart(local));
        if (!list.AddFile(files + below, local)) return false;
    }
    return true;
}

bool UploadPackage::MakeOrigOrder() {
    if (!IsPlainName(info_.saleDDH) || DateFolder() == "/") return false;
    const std::string folder = PackageFolder();
    UploadList list;
    if (!MakeOrigOrderDir(list) || !MakeOrigOrderFile(list) ||
        !list.AddFile(OrderRoot() + "/" + kDownloadFile, folder + kDownloadFile))
        return false;
    // Its files are flushed with their names; its own name is the work
    // folder's to keep.
    if (!fs_.CreateDirectories(folder) || !fs_.SyncFolder(paths_.WorkFolder(info_.storeDDH)))
        return false;
    // The marker is not needed to go on: CheckOrderOk finds it missing.
    fs_.ReplaceFile(folder + kMarkerFile,
                    gbk::FromUtf8(info_.storeDDH + "---" + info_.customer.user));
    if (!fs_.ReplaceFile(folder + kUploadFile, list.Bytes())) return false;
    // The copy is written from the same bytes, flushed like the list; an
    // older dlfile.pro of a try before must not pass for this one.
    bool copied = false;
    for (int tries = 0; !copied && tries < kCopyTries; ++tries) {
        if (tries > 0) std::this_thread::sleep_for(copyRetryWait);
        copied = fs_.ReplaceFile(folder + kDownloadFile, list.Bytes());
    }
    return copied && CheckOrderOk();
}

bool UploadPackage::CheckOrderOk() {
    const std::string folder = PackageFolder();
    return fs_.FileExists(folder + kMarkerFile) && fs_.FileExists(folder + kDownloadFile) &&
           fs_.FileExists(folder + kUploadFile);
}

}  // namespace orelle
