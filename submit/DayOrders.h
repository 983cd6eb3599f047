#pragma once
// The counter's view of one day below a backup root: every job of the
// day's order.ini, whichever station made it, with what its work folder
// tells (member, prints by size, the back office's word kept). Reads
// only: order.ini under the day's lock, the job files (replaced whole by
// their stations) beside it, so it runs beside working stations.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "orderdata/OrderPaths.h"

namespace orelle {

class FileSystem;
class PrintCatalogue;

struct DayOrder {
    std::string historyID;         // order.ini's section
    std::string localNumber;       // storeDDH
    std::string backOfficeNumber;  // the order's number, or the one kept in backoffice.ini
    std::string time;              // submittime as HH:MM:SS; empty when unknown
    std::string member;            // the job file's member code
    std::vector<std::pair<std::string, int>> prints;  // size name (or code), prints
    bool placed = false;                              // order.ini marks it placed
    bool keptNotWritten = false;  // the back office took it, its files are not written
    std::string folder;           // the job's work folder
};

// The day's jobs in order.ini's order; nothing when the day's lock could
// not be had (a station holds it too long), an empty list for a day
// without orders. The catalogue names the sizes; sizes it lacks show
// their product codes.
std::optional<std::vector<DayOrder>> ReadDayOrders(const OrderPaths& paths, FileSystem& fs,
                                                   const PrintCatalogue& catalogue);

// The number as typed or as a scanner reads it: letters and digits only.
std::string PlainNumber(const std::string& typed);

// The job whose local or back-office number is the plain number.
const DayOrder* FindOrder(const std::vector<DayOrder>& orders, const std::string& number);

// One line: number, back-office number, time, member, prints, state.
std::string OrderLine(const DayOrder& order);
// A JSON object of the order's fields.
std::string OrderJson(const DayOrder& order);

}  // namespace orelle
