#pragma once
// The station's record of the customer's job (StationJob), kept as the job
// goes, so that a crash or a power cut does not lose it: written and
// flushed when a page of the job is shown and after each edit, together
// with the job's photo.ini; removed when the job ends. While it has
// written one, it holds the station's running lock, so that no other
// station takes the job for a left one.
//
// Calls come from one thread at a time: the UI thread, or the worker that
// owns the list meanwhile (the page's or the edit's save).

#include <cstdint>
#include <memory>
#include <string>

#include "orderdata/StationJob.h"
#include "platform/Services.h"

namespace orelle {

class FileLock;
struct ProcessState;

class JobJournal {
  public:
    JobJournal(ProcessState& state, const Services& services);
    ~JobJournal();
    JobJournal(const JobJournal&) = delete;
    JobJournal& operator=(const JobJournal&) = delete;

    // The record of the job as the list is now, with the page shown.
    StationJob Record(std::int32_t page, std::int32_t big);
    // Writes it, and with flush the job's files with it reach the disk;
    // false when it could not be written.
    bool Write(const StationJob& record, bool flush);
    // What was written reaches the disk.
    void Flush();
    // The job ended: no record is left of it. A record this journal did
    // not write (a left job not yet answered) stays.
    void Clear();
    // A left job goes on here: its start stays its own.
    void Adopt(const StationJob& left);

  private:
    std::string Path();

    ProcessState& state_;
    Services services_;
    std::string path_;
    std::string lockPath_;
    std::unique_ptr<FileLock> running_;
    std::string job_;  // the job whose record was written, and its start
    LocalTime started_;
    bool written_ = false;
};

}  // namespace orelle
