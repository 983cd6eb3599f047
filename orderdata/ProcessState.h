#pragma once
// The process-wide data of the station: loaded with the library from the
// program folder, alive until it is unloaded. Threads share it under the
// busy flag: a worker raises bRefreshing for its whole run, and user
// commands that touch the list or the order do nothing while it is set.

#include <atomic>
#include <string>

#include "orderdata/DirList.h"
#include "orderdata/OrderInfo.h"
#include "orderdata/PhotoList.h"
#include "orderdata/StartupData.h"

namespace orelle {

struct ProcessState {
    StartupData startup;
    PhotoList photoList;
    DirList dirList;
    // Its customer fields are the settings' [userinfo] values.
    OrderInfo orderInfo{startup.config.userinfo};
    std::atomic<bool> bRefreshing{false};
};

// Loaded from the program folder on first use, which the library makes
// happen while it is being loaded.
ProcessState& Process();

// Reads the settings, the catalogue and the order date again from another
// folder (a host's settings folder). Only before any window exists and
// while no worker runs.
void ReloadProcessSettings(const std::string& settingsFolder);

}  // namespace orelle
