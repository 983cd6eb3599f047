#pragma once
// A job whose order was never placed, given up: its work folder (the
// copies, photo.ini) and its section of the day's order.ini go, under the
// day's lock, so that no station writes that section meanwhile. A placed
// order is never removed: its section says bSuccess=-1, or its photo.ini
// bSuccess=1 (a crash between the two writes leaves either alone).

#include <string>

#include "orderdata/OrderPaths.h"

namespace orelle {

class FileSystem;

// True when nothing of the job is left. False, and nothing removed, for a
// placed order, a name that is not a job's, or the lock not had in time;
// false too when the index or the folder could not be removed.
bool RemoveUnplacedJob(const OrderPaths& paths, const std::string& storeDDH, FileSystem& fs);

}  // namespace orelle
