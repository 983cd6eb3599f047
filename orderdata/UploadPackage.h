#pragma once
// The upload package of a placed order, for the shop's uploader program: a
// folder root/<dateStr>/<storeDDH>/<saleDDH>/ in the job's work folder with
//
//   lumora.ini   "<storeDDH>---<user>", GBK, no line end
//   upfile.pro   the upload list (UploadList.h)
//   dlfile.pro   the same bytes
//
// The list names, with D = PackageDateFolder(saleDDH, the order date), S = saleDDH and N = the
// last name of the folder opened for the job:
//   folders  /D, /D/S, /D/S/N (with a folder opened), then per DirList
//            entry /D/S/N and the entry's path below the opened folder;
//            an entry outside it gives /D/S/N, the folder that the copies
//            of its photos (appended straight into the work folder) go to;
//   files    per photo record, ordered or not: /D/S/N and the part of its
//            srcName below the work folder (a photo outside the work
//            folder: /D/S/N/<file name>), with the srcName as local path;
//   last     /D/S/dlfile.pro with the package's dlfile.pro.
// Without a folder opened (or one without a name, the root), /D/S stands
// for /D/S/N. Every file is replaced whole. UI thread, or a worker that
// owns the job.

#include <chrono>
#include <string>

#include "orderdata/OrderPaths.h"

namespace orelle {

class DirList;
class FileSystem;
class PhotoList;
class UploadList;
struct OrderInfo;

// The remote date folder of an order number: its characters 3 to 6 (from
// 1) as the year, 7 and 8 the month, 9 and 10 the day, joined by '-' with
// month and day without leading zeros: "0020151205001" gives "2015-12-5".
// Empty when those characters are not a calendar day ("00123456",
// "01261208000001").
std::string GetOrderDate(const std::string& orderNumber);
// The package's date folder: the number's date, else the order date
// (dateStr, as the order tree's folder of the day is named).
std::string PackageDateFolder(const std::string& orderNumber, const std::string& dateStr);

class UploadPackage {
  public:
    // openedFolder: the folder opened for the job, empty for none.
    UploadPackage(const OrderPaths& paths, const OrderInfo& info, const PhotoList& list,
                  const DirList& dirs, std::string openedFolder, FileSystem& fs);

    // Builds the package of the order (saleDDH set); true when it is
    // complete. False, without a list written, when the order number
    // cannot name a folder or a path does not fit its record.
    bool MakeOrigOrder();
    // Append the folder and the file records; false when a path does not
    // fit (what was appended before stays).
    bool MakeOrigOrderDir(UploadList& list) const;
    bool MakeOrigOrderFile(UploadList& list) const;
    // True when lumora.ini, dlfile.pro and upfile.pro are all there.
    bool CheckOrderOk();

    // With a trailing separator.
    std::string PackageFolder() const;

    // Between tries of writing dlfile.pro.
    std::chrono::milliseconds copyRetryWait{100};

  private:
    // /D; /D/S, and /D/S/N (or /D/S without a named folder).
    std::string DateFolder() const;
    std::string OrderRoot() const;
    std::string FilesRoot() const;

    OrderPaths paths_;
    const OrderInfo& info_;
    const PhotoList& list_;
    const DirList& dirs_;
    std::string openedFolder_;
    std::string folderName_;  // N
    FileSystem& fs_;
};

}  // namespace orelle
