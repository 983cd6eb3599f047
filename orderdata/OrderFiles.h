#pragma once
// Writes the current job's order files: its section of the day's order.ini
// and its photo.ini (formats beside OrderIniEntry and FormatPhotoIni).
// Runs on its caller's thread; callers keep two writes from overlapping
// through the busy flag. Both files are replaced whole, so a failed write
// leaves the previous file as it was; order.ini only under the day's lock
// and only in the job's section (DayIndex).

#include <string>

#include "orderdata/OrderPaths.h"

namespace orelle {

class Clock;
class FileSystem;
class PhotoList;
struct OrderInfo;
struct OrderSession;

inline constexpr const char* kOrderFilesUnwrittenMessage =
    "订单文件保存失败,暂时不能下单!\r\n请检查系统备份目录的空间,或联系店员";

class OrderFiles {
  public:
    OrderFiles(const OrderPaths& paths, const OrderInfo& info, const PhotoList& list,
               FileSystem& fs, const Clock& clock);

    // Writes order.ini's section (bSuccess -1 when placed), then photo.ini.
    // False when either file could not be written, or when the job has no
    // number yet (nothing is then written). What reached order.ini stays.
    bool WriteOrderFiles(bool placed);
    // The two halves, for a caller that orders the writes itself (placing
    // an order writes the day's entry, the mark that the order is placed,
    // last). False when the job has no number or the file was not written.
    bool WriteDayEntry(bool placed);
    bool WriteJobFile(bool placed);

    // True when the job's photo.ini exists and its latest write succeeded;
    // otherwise writes bSuccess=0 into the job's section and returns false,
    // so that the order can be placed again.
    bool ConfirmOrderFiles();

  private:
    const OrderPaths& paths_;
    const OrderInfo& info_;
    const PhotoList& list_;
    FileSystem& fs_;
    const Clock& clock_;
    // The job whose latest write failed; an older photo.ini of it must not
    // pass for the confirmation.
    std::string failedJob_;
};

// After a write of the job's files (not placed), on the UI thread: the
// session keeps whether they are unwritten. True at the first failure of
// a run of them, when the customer is to be told.
bool NoteOrderFilesWritten(OrderSession& session, bool written);

}  // namespace orelle
