#pragma once
// What the back office told about one job, kept durably in the job's work
// folder (backoffice.ini) so that no try for the job, in this process or
// after a restart, books a second order for it:
//
//   [backoffice]
//   drawn=<a number drawn for the job whose rows may have been committed>
//   number=<the number of the order the back office accepted>
//   money=<%.2f>  payment=<index, empty: the customer's>  member=<code>
//
// An order the back office accepted is saved before anything else is
// written, and a later try for the job completes that order instead of
// booking another. Each save replaces the file whole and reaches the disk
// before it returns. Any thread; one job's saves come from one exchange
// at a time.

#include <optional>
#include <string>

#include "submit/OrderBackEnd.h"

namespace orelle {

class FileSystem;

class BackOfficeRecord {
  public:
    static constexpr const char* kFileName = "backoffice.ini";

    // workFolder: the job's work folder. The file system must outlive the
    // record.
    BackOfficeRecord(FileSystem& fs, const std::string& workFolder);

    // The order saved as accepted, as an outcome (its member, else
    // memberCode); nothing when none is saved.
    std::optional<OrderOutcome> AcceptedOrder(const std::string& memberCode) const;
    // Saves an accepted order, a drawn number beside it as it was. False
    // when it did not reach the disk; what was there before stays.
    bool SaveAcceptedOrder(const OrderOutcome& accepted);

    // Database edition: the number drawn for the job and not yet known
    // accepted; empty for none. Once saved, it is never drawn anew.
    std::string DrawnNumber() const;
    // Saves the number drawn before the job's rows are sent; false when it
    // did not reach the disk (then the rows must not be sent: the order
    // could not be told from a new one later).
    bool SaveDrawnNumber(const std::string& number);

    const std::string& path() const { return path_; }

  private:
    struct Word;
    Word Read() const;
    bool Write(const Word& word);

    FileSystem& fs_;
    std::string path_;
};

}  // namespace orelle
