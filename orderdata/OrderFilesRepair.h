#pragma once
// At the start: every job's photo.ini made to say what its day's order.ini
// says about the order (bSuccess=1 exactly when the section holds
// bSuccess=-1). A kill or a full disk between the two files' writes leaves
// them apart: a marked order whose photo.ini, already holding its number,
// was not yet told it is placed; or a photo.ini written placed by an
// older station for an order that was never marked. Safe beside another
// station on the same root: what it writes is what that one writes next.

#include <string>

namespace orelle {

class FileSystem;

// Every day folder below root; returns the number of photo.ini rewritten.
int RepairOrderFiles(FileSystem& fs, const std::string& root);

}  // namespace orelle
