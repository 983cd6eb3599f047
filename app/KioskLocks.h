#pragma once
// What keeps one kiosk's files away from another's: the station lock of a
// settings folder, and the private folder of a settings copy. Both are
// found and taken over at the next start when a kiosk was killed.

#include <QTemporaryDir>
#include <memory>
#include <string>

namespace orelle::app {

// An open file whose kernel lock is held until the object goes.
class HeldLock {
  public:
    explicit HeldLock(int fd) : fd_(fd) {}
    ~HeldLock();
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

  private:
    int fd_;
};

// Held while a station runs on the settings folder (the file
// "orelle-kiosk.lock" in it, or, where the folder cannot be written, in the
// temporary folder under a name made from the folder).
class StationLock {
  public:
    explicit StationLock(const std::string& settingsFolder);
    // Another running kiosk holds the folder.
    bool HeldElsewhere() const { return heldElsewhere_; }

  private:
    std::unique_ptr<HeldLock> lock_;
    bool heldElsewhere_ = false;
};

// A folder of the temporary folder that only its owner may read, removed
// with the object; copies that killed kiosks left are removed first.
class PrivateFolder {
  public:
    PrivateFolder();
    bool IsValid() const { return dir_.isValid() && lock_ != nullptr; }
    std::string Path() const { return dir_.path().toStdString(); }

  private:
    QTemporaryDir dir_;
    std::unique_ptr<HeldLock> lock_;  // released before the folder goes
};

}  // namespace orelle::app
