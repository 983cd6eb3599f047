#include "orderdata/UprightCopies.h"

#include "orderdata/PhotoList.h"
#include "platform/imaging/StationCopy.h"
#include "platform/paths/Paths.h"

namespace orelle {

std::vector<std::string> JobCopies(const PhotoList& list, const std::string& workFolder) {
    const std::string inside = paths::WithTrailingSeparator(workFolder);
    std::vector<std::string> copies;
    if (workFolder.empty()) return copies;
    for (std::int32_t i = 0; i < list.GetSize(); ++i) {
        const std::string& copy = list.At(i).srcName;
        if (copy.size() > inside.size() && copy.compare(0, inside.size(), inside) == 0)
            copies.push_back(copy);
    }
    return copies;
}

int MakeCopiesUpright(FileSystem& fs, const std::vector<std::string>& copies,
                      const std::atomic<bool>& stop) {
    int turned = 0;
    for (const std::string& copy : copies) {
        if (stop) break;
        if (TurnCopyUpright(fs, copy)) ++turned;
    }
    return turned;
}

}  // namespace orelle
