#pragma once
// The orders of a backup root left pending, seen and completed without the
// station that made them: the jobs not marked placed that no running
// station holds (JobLock), those whose order the back office has (its word
// kept in backoffice.ini) with its number. On the files as they are,
// beside running stations; any thread.

#include <string>
#include <vector>

namespace orelle {

class FileSystem;

struct PendingOrder {
    std::string day;      // the day's folder name below the root
    std::string job;      // the local order number, the work folder's name
    std::string section;  // its own section of the day's order.ini
    std::string number;   // the back office's order number; empty: none kept
};

std::vector<PendingOrder> FindPendingOrders(FileSystem& fs, const std::string& root);

enum class FinishOutcome {
    kFinished,
    kNotPending,  // no day's order.ini names the job, or it is marked placed
    kNoNumber,    // the back office has no order of it: it is to be placed
    kHeld,        // a running station holds the job
    kNotWritten,  // a file could not be written; the order is not marked
};

// Completes the pending order of the job under its own section, with the
// number the back office gave, asking the back office nothing; in the
// order of a placing: photo.ini with the number, the upload package
// (withPackage; one left complete is kept, else it is made from
// photo.ini's records, the work folder standing for the opened folder),
// the section's mark, photo.ini's placed flag. *number: the order's.
FinishOutcome FinishPendingOrder(FileSystem& fs, const std::string& root, const std::string& job,
                                 bool withPackage, std::string* number);

// The section of today's order.ini (paths' day) that names the job whose
// work folder is there; empty when either is missing.
std::string JobSection(FileSystem& fs, const std::string& root, const std::string& dateStr,
                       const std::string& job);

}  // namespace orelle
