#pragma once
// Recording EXIF entries in a JPEG, as a camera does (shot dates, the
// orientation): for the sample photos and the tests' photos.

#include <string>
#include <utility>
#include <vector>

namespace orelle {

struct ExifField {
    int ifd = 0;  // 0..4: IFD 0, 1, EXIF, GPS, interoperability
    int tag = 306;
    std::string text;    // an ASCII entry; when empty, a SHORT holding value
    unsigned value = 0;
};

// The JPEG with an EXIF segment right after its start marker holding the
// entries, in that order, and the thumbnail (a JPEG) linked from IFD 1
// when there is one. Neither: the bytes as they are. Throws
// std::runtime_error when the segment would not fit.
std::string WithExif(std::string jpeg, const std::vector<ExifField>& fields,
                     const std::string& thumbnail = {});

// One tag 306 entry per pair (IFD index 0..4, text), in that order.
std::string WithShotDates(std::string jpeg, const std::vector<std::pair<int, std::string>>& dates);

}  // namespace orelle
