#pragma once
// The job's copies that the load stored turned (a phone's EXIF orientation),
// made upright in their place: ahead, on a worker of the lowest priority
// while the customer browses, and at the latest before an order names
// them. Only copies inside the job's work folder are ever touched, never
// a customer's own file.

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orelle {

class FileSystem;
class PhotoList;

// The copies of the list inside workFolder, in the list's order.
std::vector<std::string> JobCopies(const PhotoList& list, const std::string& workFolder);

// Turns those of the copies that are stored turned; stops before the next
// copy once stop is set (kGoOn: never). Returns how many were turned.
inline const std::atomic<bool> kGoOn{false};
int MakeCopiesUpright(FileSystem& fs, const std::vector<std::string>& copies,
                      const std::atomic<bool>& stop);

// One worker turning a job's copies ahead.
class UprightTurner {
  public:
    explicit UprightTurner(FileSystem& fs);
    ~UprightTurner();
    UprightTurner(const UprightTurner&) = delete;
    UprightTurner& operator=(const UprightTurner&) = delete;

    // Turns these copies after any given before; a run under way goes on.
    void Turn(std::vector<std::string> copies);
    // Drops what is waiting and returns once the copy under way is done.
    void Stop();
    // Returns once every copy given so far is done.
    void Wait();

  private:
    void Run();

    FileSystem& fs_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> waiting_;
    bool busy_ = false;
    bool quit_ = false;
    std::atomic<bool> stop_{false};
    std::thread worker_;
};

}  // namespace orelle
