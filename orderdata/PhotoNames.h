#pragma once
// Names for a photo added to the job: the file name of a copy of a photo in
// the work folder, and the display name that no photo of the job uses yet.
// Letter case is ASCII only; other bytes of the GBK/UTF-8 names stay as
// they are.

#include <string>

namespace orelle {

class FileSystem;
class PhotoList;

// The highest copy number GetCopyNameFromSrc tries.
inline constexpr int kMaxCopyNumber = 99999;

// folder + base + "##" + n + extension for the first n from 1 on that names
// no existing file. The base is the file name before its last '.',
// lower-cased and cut before its first "##", so that a copy of a copy
// counts on from the photo it came from; the extension keeps its case.
// When every number up to kMaxCopyNumber is taken, the name with
// kMaxCopyNumber is returned although that file exists.
std::string GetCopyNameFromSrc(const std::string& sourcePath, FileSystem& fs);

// Where a copy of the photo at sourcePath is named from: the photo itself
// when it lies in the work folder, otherwise the same name in the work
// folder, so that copies are made there and the customer's files are only
// read. Without a work folder (photos used in place) the photo itself.
std::string CopyBeside(const std::string& sourcePath, const std::string& workFolder);

// The file name of path, lower-cased, when no photo's dstName equals it
// (ignoring case); otherwise stem + "#" + k + extension, lower-cased, for
// the first k from 1 on that no photo uses. An empty list gives the file
// name as it is, letter case included.
std::string GetRealName(const std::string& path, const PhotoList& list);

// GetRealName for a list that only grows (a load): the numbers below from
// were found taken before and are not tried again; from then moves past
// the number given. Start it at 1 for every file name.
std::string GetRealNameFrom(const std::string& path, const PhotoList& list, int& from);

// The same rule as GetRealName, by scanning every record for each k:
// quadratic in the collisions. Kept as the measure GetRealName is tested
// and benchmarked against.
std::string GetRealNameByScan(const std::string& path, const PhotoList& list);

}  // namespace orelle
