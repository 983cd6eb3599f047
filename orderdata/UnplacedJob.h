#pragma once
// Removing a job whose order was never placed: its work folder (copies,
// photo.ini) and its sections of the day's order.ini, under the day's
// lock. A placed job is never touched: one whose section says bSuccess=-1,
// whose photo.ini says bSuccess=1, or whose back office's word is kept in
// its folder (an order that may still be finished).

#include <string>

#include "orderdata/OrderPaths.h"

namespace orelle {

class FileSystem;

// True when nothing of the job is left; false for a placed job (left as
// it is), a name that is no job's, or a failure.
bool RemoveUnplacedJob(const OrderPaths& paths, const std::string& storeDDH, FileSystem& fs);

// What the day's order.ini says of the job: the placed mark, and whether
// it names the job at all.
struct JobMark {
    bool named = false;
    bool placed = false;
};
JobMark ReadJobMark(const OrderPaths& paths, const std::string& storeDDH, FileSystem& fs);

}  // namespace orelle
