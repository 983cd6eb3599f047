#pragma once
// One photo of the job with every print setting the customer chose for it.
// A plain record: the cells, the copy workers and the order file writer read
// and write its fields directly, except the dstName of a record in a
// PhotoList: the list indexes it, so it changes only through RenameRecord.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace orelle {

// Framing modes, the record's operate and a surface's mode.
enum FramingMode : std::int32_t {
    kModeCrop = 0,
    kModeWhiteFill = 1,
    kModeBlackFill = 2,
    kModeZoom = 3,
};

// The crop as the display last placed it. The display stores the crop's
// width and height in the two far values, and photo.ini saves them as they
// are under rcDstWidth and rcDstHeight.
struct CropRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;   // first far value
    std::int32_t height = 0;  // second far value
};

struct PhotoRecord {
    // Capacities of the text fields in GBK bytes, terminator included; a text
    // that does not fit is never stored (see FitsField).
    static constexpr std::size_t kSrcNameSize = 250;
    static constexpr std::size_t kOrigNameSize = 250;
    static constexpr std::size_t kDstNameSize = 170;
    static constexpr std::size_t kOrigDirSize = 250;
    static constexpr std::size_t kOrigPathSize = 252;
    static constexpr std::size_t kProductIdSize = 12;

    std::string srcName;         // the working copy in the job's work folder
    std::string origName;        // the customer's file name, lower-cased
    std::string dstName;         // the name the photo travels under, unique in the job
    std::string origDir;         // the customer's folder, without a trailing separator
    std::string origPath;        // the customer's file as it was found
    std::int32_t specIndex = 0;  // print size in the catalogue, -1 for none
    std::int32_t number = 0;     // prints; 0 means not ordered
    std::int32_t operate = kModeCrop;
    CropRect rcDst;
    std::int32_t offsetSZX = 0;
    std::int32_t offsetSZY = 0;
    std::int32_t scale = 100;  // zoom in percent
    std::int32_t angle = 0;    // rotation in degrees
    // Copied together by the batch apply; nothing else reads them.
    std::array<std::int32_t, 3> extra{-1, 0, 0};
    std::string productID;  // pcode of specIndex, unless set apart from it
    std::int32_t frameTurned = 0;
    std::int32_t bBrowsed = 0;  // the customer has seen it
    std::int32_t adddatetime = 0;
    std::int32_t autoadj = 0;
    std::int32_t exoch = 0;  // paper finish index of the placed order
    // The photo file's pixel size once a cell or the page refresh has read
    // it: 0 while unknown, -1 for a file that does not read. Not saved.
    std::int32_t pixelWidth = 0;
    std::int32_t pixelHeight = 0;
};

// The photos of the order: seen by the customer, with at least one print.
inline bool IsOrdered(const PhotoRecord& r) { return r.bBrowsed != 0 && r.number >= 1; }

// True when the UTF-8 text fits a field of that capacity in GBK bytes.
bool FitsField(const std::string& text, std::size_t capacity);

}  // namespace orelle
