#pragma once
// A folder load as the station runs it: a photo window on a plain host,
// the backup root below the benchmark's scratch folder.

#include <chrono>
#include <functional>
#include <string>

namespace orelle {
class PhotoWindow;
struct ProcessState;
}  // namespace orelle

namespace orelle::bench {

struct BenchStation;

// run on a photo window of the station, shown on a plain host once its
// start-up work is done: its result, or a negative value when a message
// came up or the job does not hold `expected` photos after it (said with
// `what`).
double OnPhotoWindow(BenchStation& station, int expected, const std::string& what,
                     const std::function<double(PhotoWindow&)>& run);

// Seconds from start until a page of the job first shows with no worker
// owning the list, running the UI thread's events meanwhile.
double WaitForFirstPage(const ProcessState& process, std::chrono::steady_clock::time_point start);

// Seconds from LoadFolder to the first page shown (cells filled, order
// files written), or a negative value when the load did not make a job of
// `expected` photos. The backup root is emptied first, outside the time.
// *upright, when given: seconds from LoadFolder until every copy stored
// turned is upright as well (turned while the first page is looked at).
// *firstPage, when given: seconds from LoadFolder until a page of the job
// first shows with no worker owning the list.
double TimeFolderLoad(const std::string& folder, const std::string& backupRoot, int expected,
                      double* upright = nullptr, double* firstPage = nullptr);

// Removes a folder and everything in it, then lets the disk settle (sync),
// so that one run's writeback does not weigh on the next.
void RemoveAndSettle(const std::string& folder);

// The median seconds of `rounds` folder loads of card (backup root below
// base) and of as many cp -r and sync of it, measured in turn, the order
// alternating; false when a run failed. *upright, when given: the median
// of TimeFolderLoad's, as *firstPage.
bool FolderLoadAgainstCp(const std::string& card, const std::string& base, int expected,
                         int rounds, double* load, double* cp, double* upright = nullptr,
                         double* firstPage = nullptr);

// DCIM/10xCAMERA/IMG_nnnn.JPG in `folders` folders of `perFolder`, copies
// of eight camera-like pictures of about 4.4 MB; kept between runs once
// complete. False when it could not be made.
bool MakeCameraCard(const std::string& card, int folders, int perFolder);

// Marks a generated card complete, so that later runs keep it.
bool MarkComplete(const std::string& done);

}  // namespace orelle::bench
