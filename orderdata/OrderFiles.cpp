#include "orderdata/OrderFiles.h"

#include "orderdata/DayIndex.h"
#include "orderdata/OrderInfo.h"
#include "orderdata/OrderSession.h"
#include "orderdata/OrderIniEntry.h"
#include "orderdata/PhotoIniWriter.h"
#include "platform/clock/Clock.h"
#include "platform/files/FileSystem.h"
#include "platform/ini/Profile.h"

namespace orelle {

OrderFiles::OrderFiles(const OrderPaths& paths, const OrderInfo& info, const PhotoList& list,
                       FileSystem& fs, const Clock& clock)
    : paths_(paths), info_(info), list_(list), fs_(fs), clock_(clock) {}

bool OrderFiles::WriteOrderFiles(bool placed) {
    if (info_.storeDDH.empty()) return false;
    const bool dayWritten = WriteDayEntry(placed);
    const bool jobWritten = WriteJobFile(placed);
    if (!dayWritten) failedJob_ = info_.storeDDH;
    return dayWritten && jobWritten;
}

bool OrderFiles::WriteDayEntry(bool placed) {
    if (info_.storeDDH.empty()) return false;
    return WriteDaySection(paths_, fs_, OrderIniSection(info_),
                           OrderIniEntry(info_, placed, paths_.dateStr, clock_.Now()));
}

bool OrderFiles::WriteJobFile(bool placed) {
    if (info_.storeDDH.empty()) return false;
    // No delete first: the replace keeps the previous photo.ini until the
    // new one is complete.
    const bool ok =
        fs_.ReplaceFile(paths_.PhotoIni(info_.storeDDH), FormatPhotoIni(info_, placed, list_));
    if (ok) {
        if (failedJob_ == info_.storeDDH) failedJob_.clear();
    } else {
        failedJob_ = info_.storeDDH;
    }
    return ok;
}

bool OrderFiles::ConfirmOrderFiles() {
    bool written = !info_.storeDDH.empty() && failedJob_ != info_.storeDDH &&
                   fs_.FileExists(paths_.PhotoIni(info_.storeDDH));
    if (written) return true;
    WriteDaySection(paths_, fs_, OrderIniSection(info_), {{"bSuccess", "0"}});
    return false;
}

bool NoteOrderFilesWritten(OrderSession& session, bool written) {
    const bool newlyFailed = !written && !session.filesUnwritten;
    session.filesUnwritten = !written;
    return newlyFailed;
}

}  // namespace orelle
