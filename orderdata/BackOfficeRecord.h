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
// Each write replaces the file whole and reaches the disk before it
// returns. Any thread; one job's writes come from one exchange at a time.

#include <optional>
#include <string>

namespace orelle {

class FileSystem;

struct BackOfficeWord {
    // Database edition: the number drawn before the rows were sent. Once
    // it is known, that number is never drawn anew for the job.
    std::string drawn;
    // The accepted order; empty while none is known.
    std::string number;
    double orderMoney = 0;
    std::optional<int> paymentIndex;
    std::string memberCode;

    bool Accepted() const { return !number.empty(); }
};

class BackOfficeRecord {
  public:
    static constexpr const char* kFileName = "backoffice.ini";

    // workFolder: the job's work folder. The file system must outlive the
    // record.
    BackOfficeRecord(FileSystem& fs, const std::string& workFolder);

    // Nothing recorded reads as an empty word.
    BackOfficeWord Read() const;
    // False when it did not reach the disk; what was there before stays.
    bool Write(const BackOfficeWord& word);

    const std::string& path() const { return path_; }

  private:
    FileSystem& fs_;
    std::string folder_;
    std::string path_;
};

}  // namespace orelle
