#pragma once
// The photos of a customer's folder tree that a folder load copies, found
// before anything is copied. The customer's files are only read. Marks:
// a folder holding "lumora.ini" (an upload package) gives nothing, nor do
// its subfolders; subfolders named "Lumora" (any case) are the program's
// own and are skipped. Symbolic links are followed only to places inside
// the chosen tree, and each folder is read once, so loops end.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orelle {

class FileSystem;

inline constexpr std::size_t kMaxLoadPathBytes = 200;

struct TreePhoto {
    std::string source;  // the customer's file, its bytes as they are
    // The copy's folder below the work folder, "" or "a/b" (separator):
    // the customer's folders, each name made LabSafeName.
    std::string relative;
    // The copy's name: the file name made LabSafeName, lower-cased. Not
    // yet unique: two names may become one.
    std::string copyName;
    std::uint64_t bytes = 0;
};

struct PhotoTree {
    std::vector<TreePhoto> photos;  // subfolders before the files of a folder, names in order
    // The first path (of any file) longer than kMaxLoadPathBytes (GBK
    // bytes): the load fails. Photos are listed past it all the same, so
    // that they are counted first.
    std::string tooLong;
    // A folder of the tree could not be read (a card pulled out): the load fails.
    bool unreadable = false;
    std::uint64_t photoBytes = 0;  // what their copies take at most, added up
};

// The photos by name (IsPhotoName: .jpg, .jpeg, .heic, .heif, .png, any
// case) below folder; when selected is not empty, only the paths in it
// (compared ignoring case).
PhotoTree FindTreePhotos(FileSystem& fs, const std::string& folder,
                         const std::vector<std::string>& selected);

}  // namespace orelle
