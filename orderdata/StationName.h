#pragma once
// The name of a station below a shared backup root: "<host>-<8 hex
// digits>", the machine's host name (letters, digits and '-') and a hash of
// the absolute settings folder (one station per settings folder). The same
// across restarts of a station, apart for two stations on one machine, and
// for two machines that keep their settings at the same path.

#include <string>

namespace orelle {

class FileSystem;

std::string StationName(const std::string& settingsFolder, FileSystem& fs);

}  // namespace orelle
