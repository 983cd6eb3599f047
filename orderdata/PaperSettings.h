#pragma once
// What the paper-finish dialog reads each time it opens: two switches of
// param.ini and the paper list of ver_ctrl.ini.

#include <cstdint>
#include <string>
#include <vector>

namespace orelle {

class FileSystem;

// A print's surface, as photo.ini's exoch keeps it.
enum class PaperFinish : std::int32_t { kGlossy = 0, kMatte = 1 };

struct PaperSettings {
    std::int32_t paperctrl = 0;           // param.ini [other]
    std::int32_t bcpaper = 0;             // param.ini [other]
    std::int32_t defpaper = 0;            // ver_ctrl.ini [paper]
    std::int32_t onlyf = 0;               // ver_ctrl.ini [paper]
    std::vector<std::string> papernames;  // sections p1 .. p<count>, default " "
};

// Lists longer than this are cut: a damaged count must not make a dialog
// read for minutes.
inline constexpr std::int32_t kMaxListedEntries = 1000;

// A count from a settings file, kept within 0 and kMaxListedEntries.
std::int32_t ClampListCount(std::int32_t count);

PaperSettings LoadPaperSettings(const std::string& settingsFolder, FileSystem& fs);

// The name of paper p1, p2 or p3 by the order's paper index, "数码" when the
// section or key is missing; empty for any other index.
std::string OrderPaperName(const std::string& settingsFolder, std::int32_t paperIndex,
                           FileSystem& fs);

}  // namespace orelle
