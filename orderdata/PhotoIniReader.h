#pragma once
// The job file photo.ini read back (see PhotoIniWriter): what a job that
// was not placed needs to go on. photo.ini keeps of the customer's file
// only ffname; a record's origName is what follows its first '+', its
// origDir what precedes it, unless the caller knows better.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orderdata/PhotoRecord.h"

namespace orelle {

struct PhotoIniContent {
    bool placed = false;
    std::string saleDDH;
    std::string backupDir;
    std::int32_t frate = 97;
    std::int32_t historyID = 0;  // of the first record; 0 without records
    std::vector<std::unique_ptr<PhotoRecord>> records;
};

// Nothing when the text is no photo.ini (no [orderinfo], or fewer record
// sections than photonumb says).
std::optional<PhotoIniContent> ParsePhotoIni(std::string_view bytes);

}  // namespace orelle
