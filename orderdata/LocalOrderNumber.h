#pragma once
// Local order numbers, counted per day in the day's order.ini
// ([idcount] idmax, the next value, absent: 1).

#include <cstdint>
#include <string>

#include "orderdata/OrderPaths.h"

namespace orelle {

class FileSystem;
struct OrderInfo;

// datePrefix followed by the counter with at least three digits:
// 150307 and 7 give 150307007, 123 gives 150307123, 1000 gives 1503071000.
std::string FormatLocalOrderNumber(const std::string& datePrefix, std::int32_t counter);

// Draws the day's next number and creates its empty work folder, under the
// day's lock (DayIndex): sets historyID to the counter value, clears the
// order-placed flag and returns the number. A value whose work folder
// already exists is skipped, so that no earlier job's photos are
// overwritten and no two stations share a folder. The counter is never
// decreased. Empty, and nothing changes, when the day's counter is used
// up, the lock cannot be had or a folder cannot be made.
std::string NewLocalOrderNumber(const OrderPaths& paths, const std::string& datePrefix,
                                OrderInfo& info, bool& bOrderPlaced, FileSystem& fs);

}  // namespace orelle
