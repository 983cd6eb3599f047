#include "orderdata/BatchApply.h"

#include "orderdata/PhotoList.h"
#include "orderdata/PhotoRecordFactory.h"
#include "orderdata/PrintCatalogue.h"
#include "orderdata/TextCase.h"

namespace orelle {

void ApplyToFollowing(PhotoList& list, std::int32_t source, const ApplySwitches& switches,
                      const PrintCatalogue& catalogue) {
    if (source < 0 || source >= list.GetSize()) return;
    const PhotoRecord from = list.At(source);
    const bool framed = from.operate == kModeCrop || from.operate == kModeWhiteFill ||
                        from.operate == kModeBlackFill;
    const bool filled = from.operate == kModeWhiteFill || from.operate == kModeBlackFill;
    for (std::int32_t i = source + 1; i < list.GetSize(); ++i) {
        PhotoRecord& to = list.At(i);
        if (switches.framing && framed) {
            to.operate = from.operate;
            to.angle = from.angle;
            if (filled) to.scale = from.scale;
        }
        if (switches.size) SetRecordSpec(to, from.specIndex, catalogue);
        if (switches.quantity) to.number = from.number;
        if (switches.exoch) to.exoch = from.exoch;
        if (switches.extra) to.extra = from.extra;
    }
}

bool FolderMatches(const std::string& chosenFolder, const std::string& origDir) {
    return chosenFolder.size() >= origDir.size() &&
           EqualsIgnoreCase(std::string_view(chosenFolder).substr(0, origDir.size()), origDir);
}

void ApplyToFolder(PhotoList& list, const DirApplyValues& values, const PrintCatalogue& catalogue) {
    for (std::int32_t i = 0; i < list.GetSize(); ++i) {
        PhotoRecord& r = list.At(i);
        if (!FolderMatches(values.folder, r.origDir)) continue;
        r.operate = values.framing;
        SetRecordSpec(r, values.specIndex, catalogue);
        r.number = values.number;
        r.exoch = values.matte;
    }
}

void SetAllDates(PhotoList& list, bool on) {
    for (std::int32_t i = 0; i < list.GetSize(); ++i) list.At(i).adddatetime = on ? 1 : 0;
}

}  // namespace orelle
