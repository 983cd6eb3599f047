#pragma once
// Settings applied to many photos at once: the current photo's settings to
// every photo after it, one folder's photos to chosen values, the date
// imprint on or off for the whole job. Run on a worker that holds the busy
// flag, so the list is the worker's alone meanwhile.

#include <cstdint>
#include <string>

namespace orelle {

class PhotoList;
class PrintCatalogue;

// Which settings of the current photo go to the photos after it. No
// control sets exoch or extra, so they stay off.
struct ApplySwitches {
    bool size = false;
    bool quantity = false;
    bool framing = false;
    bool exoch = false;
    bool extra = false;
};

// The values of the folder-wide settings; they stay for the next time.
struct DirApplyValues {
    std::string folder;
    std::int32_t specIndex = 1;
    std::int32_t framing = 0;  // 0 crop, 1 white-border fill
    std::int32_t number = 1;
    std::int32_t matte = 0;
};

// Copies the switched settings of list[source] to every later photo. A
// source in zoom mode passes no framing on. Nothing for a source outside
// the list.
void ApplyToFollowing(PhotoList& list, std::int32_t source, const ApplySwitches& switches,
                      const PrintCatalogue& catalogue);

// True when the chosen folder begins with the photo's folder, ignoring
// ASCII letter case: the photos of a folder and of every folder above it.
bool FolderMatches(const std::string& chosenFolder, const std::string& origDir);

// Gives every photo of the chosen folder the values.
void ApplyToFolder(PhotoList& list, const DirApplyValues& values, const PrintCatalogue& catalogue);

void SetAllDates(PhotoList& list, bool on);

}  // namespace orelle
