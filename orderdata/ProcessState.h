#pragma once
// The process-wide data of the station: loaded with the library from the
// program folder, alive until it is unloaded. Code receives it (or the
// part it needs) by reference; only the place that builds the exported
// window reaches for the one instance. Threads share it under the busy
// flag: a worker owns the list while bRefreshing is raised, and user
// commands that touch the list or the order do nothing meanwhile.

#include <atomic>
#include <memory>
#include <string>

#include "orderdata/DirList.h"
#include "orderdata/FaceStore.h"
#include "orderdata/FeatureFlags.h"
#include "orderdata/OrderInfo.h"
#include "orderdata/OrderSession.h"
#include "orderdata/PhotoList.h"
#include "orderdata/StartupData.h"

namespace orelle {

class Clock;
class FileLock;
class FileSystem;

struct ProcessState {
    ProcessState() = default;
    ProcessState(const ProcessState&) = delete;
    ProcessState& operator=(const ProcessState&) = delete;

    StartupData startup;
    // Read again each time an exported window is made.
    FeatureFlags flags;
    PhotoList photoList;
    DirList dirList;
    // Its customer fields are the settings' [userinfo] values.
    OrderInfo orderInfo{startup.config.userinfo};
    OrderSession session;
    // The faces found in the job's photos; with the job, not in its files.
    FaceStore faces;
    std::atomic<bool> bRefreshing{false};
    // The work folder of the job this process drew last (JobLock).
    std::shared_ptr<FileLock> jobLock;
};

// Reads the settings, the catalogue and the order date of the folder into
// state. Only while no window and no worker uses it.
void LoadProcessState(ProcessState& state, const std::string& settingsFolder, FileSystem& fs,
                      const Clock& clock);

// A new order of a new job: nothing of the previous order (its number,
// requirement, member, contact values, album, paper, the number taken for
// a retry) stays. The job's files stay on the disk.
void StartNewOrder(ProcessState& state);

// Forgets the customer's job: the photos, the folders, the order header's
// job fields and what was chosen for the order. The job's files stay on
// the disk. Only while no worker uses the list.
void ForgetJob(ProcessState& state);

// Loaded from the program folder on first use, which the library makes
// happen while it is being loaded.
ProcessState& Process();

// Reads the settings, the catalogue and the order date again from another
// folder (a host's settings folder). Only before any window exists and
// while no worker runs.
void ReloadProcessSettings(const std::string& settingsFolder);

}  // namespace orelle
