#pragma once
// The station's JPEG copies of a phone visit's HEIF and PNG photos, made
// while the visit lasts, behind the uploads, so that the folder load after
// "完成" finds them made. Two workers at the station's priority (a core
// each, as the load prepares its photos) convert the photos in the order
// they were stored, each as the load would
// (PrepareStationCopy of the stored file), and keeps each copy in a file
// of its own folder, which the load never walks. Once the load asks for
// its first copy nothing more is begun here, and it takes each copy once:
// made, it is handed over and its file goes; under way, it is waited for;
// not begun, it is left to the load. End stops the workers, waits for the
// conversions under way and removes the folder: no thread and no file
// outlives the visit.
//
// Thread use: Add on the server's threads, Take on the load's, End on any;
// all of it is safe at once.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/imaging/PhotoKind.h"
#include "platform/imaging/StationCopy.h"

namespace orelle {

class FileSystem;

class PhoneConversions {
  public:
    // Whether the disk has room for a made copy of that many bytes besides
    // what the visit keeps; without it the load makes that copy.
    using Room = std::function<bool(std::uint64_t bytes)>;

    // folder: the copies' own, outside the photos' folder (made when the
    // first copy is kept).
    PhoneConversions(FileSystem& fs, std::string folder, Room room);
    ~PhoneConversions();
    PhoneConversions(const PhoneConversions&) = delete;
    PhoneConversions& operator=(const PhoneConversions&) = delete;

    // A photo stored at path: queued when its copy is a conversion.
    void Add(const std::string& path, PhotoKind kind);
    // The station's copy of the photo at path, if made here; null leaves
    // it to the caller.
    std::optional<StationCopy> Take(const std::string& path);
    void End();

  private:
    enum class Step { kQueued, kUnderWay, kMade, kGone };
    struct Entry {
        Step step = Step::kQueued;
        StationCopy copy;  // its bytes, when made, in its file
        std::string file;
    };
    void Work();
    // On a worker: the file that keeps the made copy; empty when there
    // is no room for it or it could not be written.
    std::string Keep(const std::string& path, const std::string& made);

    FileSystem& fs_;
    const std::string folder_;
    const Room room_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<std::string, Entry> entries_;
    std::deque<std::string> queue_;
    bool ended_ = false;
    bool loading_ = false;  // Take was called: nothing more is begun
    std::mutex endMutex_;   // one End joins the workers
    std::vector<std::thread> workers_;
};

}  // namespace orelle
