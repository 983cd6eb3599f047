#pragma once
// The orders as a backup root holds them after the station is gone: every
// day's order.ini, each job's section, and for the jobs marked placed
// (bSuccess=-1) what their photo.ini and upload package hold. Reads the
// files only; for tests that kill the station and look at what is left.

#include <string>
#include <vector>

namespace orelle::testing {

struct OrderOnDisk {
    std::string section;   // the job's section of its day's order.ini
    std::string storeDDH;  // the job's work folder
    std::string saleDDH;
    bool placed = false;  // bSuccess=-1 in order.ini
    // For a placed order: what is missing or wrong in its files (photo.ini
    // and, with withPackage, the upload package); empty when complete. For
    // one not placed: a photo.ini that says it is.
    std::vector<std::string> faults{};
};

struct OrdersOnDisk {
    std::vector<OrderOnDisk> orders;
    // Day files that are not whole (an order.ini without its counter, a
    // section without its last key).
    std::vector<std::string> faults;
    // Files left half-written by a kill (".partial-" names), in any day.
    int partialFiles = 0;

    int PlacedCount() const;
};

OrdersOnDisk ReadOrdersOnDisk(const std::string& backupRoot, bool withPackage);

}  // namespace orelle::testing
