#pragma once
// What the station's own copy of a customer's photo holds. A JPEG that
// needs no turning is copied as it is, byte for byte; a JPEG with an EXIF
// orientation other than 1 is turned upright (UprightJpeg); HEIF and PNG
// photos become JPEG copies (sRGB, upright, EXIF kept with orientation 1).
// The kind is told by the content, whatever the name says. A file that is
// none of these, or that cannot be read within the bounds, is copied as
// it is, and then shows as unreadable. Any thread.

#include <string>
#include <string_view>

#include "platform/imaging/PhotoKind.h"

namespace orelle {

class FileSystem;

struct StationCopy {
    PhotoKind kind = PhotoKind::kUnknown;
    // The copy is the file's own bytes; otherwise it is `made`.
    bool asIs = true;
    std::string made;
    bool lossless = false;  // a JPEG turned without decoding
    // The copy is a JPEG (made, or a JPEG as it is): its name ends in .jpg.
    bool IsJpeg() const { return !asIs || kind == PhotoKind::kJpeg; }
};

// Reads only the head of a JPEG that needs no turning; other photos are
// read whole (kMaxPhotoBytes at most). A file that cannot be read gives
// an unknown kind copied as it is, so that the copy reports the failure.
StationCopy PrepareStationCopy(FileSystem& fs, const std::string& path);
// The same from the bytes held in memory.
StationCopy StationCopyFromBytes(std::string_view bytes);

}  // namespace orelle
