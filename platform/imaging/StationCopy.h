#pragma once
// What the station's own copy of a customer's photo holds. A JPEG is
// copied as it is, byte for byte: one with an EXIF orientation other than
// 1 is turned upright (UprightJpeg) later, in its place, since turning
// takes a core far longer than copying; HEIF and PNG photos become JPEG
// copies at once (sRGB, upright, EXIF kept with orientation 1).
// The kind is told by the content, whatever the name says. A file that is
// none of these, or that cannot be read within the bounds, is copied as
// it is, and then shows as unreadable. Any thread.

#include <functional>
#include <optional>
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
    // A JPEG copied as it is that still has to be turned upright: it never
    // stays in the customer's place.
    bool turnLater = false;
    // The copy is a JPEG (made, or a JPEG as it is): its name ends in .jpg.
    bool IsJpeg() const { return !asIs || kind == PhotoKind::kJpeg; }
};

// Station copies made ahead of a copy run (a phone visit's conversions),
// by the path they are copied from: nothing when none was made.
using MadeStationCopies = std::function<std::optional<StationCopy>(const std::string& source)>;

// Reads only the head of a JPEG; HEIF and PNG photos are read whole
// (kMaxPhotoBytes at most). A file that cannot be read gives an unknown
// kind copied as it is, so that the copy reports the failure.
StationCopy PrepareStationCopy(FileSystem& fs, const std::string& path);
// The copy made at once from the bytes held in memory, a JPEG turned.
StationCopy StationCopyFromBytes(std::string_view bytes);

// Turns a JPEG copy stored turned upright in its place, replaced whole and
// flushed: a reader meanwhile sees either file, both showing the same
// picture. True when it was turned; false when it needed no turning, is
// no JPEG, or cannot be turned within the bounds (then it stays as it is).
bool TurnCopyUpright(FileSystem& fs, const std::string& path);

}  // namespace orelle
