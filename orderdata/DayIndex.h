#pragma once
// The day's order.ini, shared by every station on the backup root: each
// change is made under the day's lock (the file ".order.lock" in the day's
// folder) on the file as it is then, and changes only its own section, so
// that no station replaces what another wrote meanwhile. The lock is held
// only for one change; a station killed holding it loses it with its
// process (FileSystem::LockFile).

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "orderdata/OrderPaths.h"
#include "platform/ini/Profile.h"

namespace orelle {

class FileSystem;

// The day's lock; nothing when it could not be had in time.
std::unique_ptr<FileLock> LockDay(const OrderPaths& paths, FileSystem& fs);

// Sets the keys of one section of order.ini; false when the lock or the
// write failed, and then the file is as it was.
bool WriteDaySection(const OrderPaths& paths, FileSystem& fs, std::string_view section,
                     const Profile::KeyValues& keys);

class IniDocument;

// One section of a day's order.ini, as the stations wrote it.
struct DayEntry {
    std::size_t handle = 0;  // in the document read
    std::string section;     // the order tag
    std::string job;         // storeDDH; empty for [idcount] and the like
    std::string saleDDH;     // GBK, as written
    std::string submitDate, submitTime;
    bool marked = false;  // bSuccess=-1: placed
};

// Every section of a day's order.ini, in file order; the callers choose.
std::vector<DayEntry> DayEntries(const IniDocument& doc);

// One order of a day's order.ini below the backup root.
struct IndexedOrder {
    std::string day;      // the day's folder name
    std::string section;  // its section (the order tag)
    std::string job;      // storeDDH, a usable order number
    std::string saleDDH;  // GBK, as written
    bool marked = false;  // bSuccess=-1: placed
};

// Every order of every day below root, in file order; sections without a
// usable job number are left out (never a path out of the day).
std::vector<IndexedOrder> IndexedOrders(FileSystem& fs, const std::string& root);

}  // namespace orelle
