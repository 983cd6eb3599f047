#pragma once
// Making the record of a newly copied photo, and changing a record's print
// size with its product code.

#include <cstdint>
#include <memory>
#include <string>

#include "orderdata/PhotoRecord.h"

namespace orelle {

class DirList;
class PrintCatalogue;

// The creator's defaults (folder load: size 3, one print, crop).
struct RecordDefaults {
    std::int32_t specIndex = 3;
    std::int32_t number = 1;
    std::int32_t operate = kModeCrop;
    // 1: the record belongs to the order before any page showed it.
    std::int32_t browsed = 0;
};

// A record for the working copy srcName of the customer's file customerPath;
// the customer's folder joins the DirList. nullptr, and nothing added, when
// a text would not fit its field.
std::unique_ptr<PhotoRecord> CreatePhotoRecord(const std::string& srcName,
                                               const std::string& dstName,
                                               const std::string& customerPath,
                                               const RecordDefaults& defaults,
                                               const PrintCatalogue& catalogue, DirList& dirs);

// Sets specIndex; productID follows the new size's code only while it still
// equals the old size's code, so a code set apart from the size is kept.
void SetRecordSpec(PhotoRecord& record, std::int32_t specIndex, const PrintCatalogue& catalogue);

}  // namespace orelle
