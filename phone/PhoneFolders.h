#pragma once
// Where phone sessions keep what the phones send. Stations may share one
// backup root, so each keeps its sessions in a folder of its own,
// <root>/phone/<station>/<session>/, and touches no other station's: a
// session empties only its own folder, and a station's start removes only
// what its own killed sessions left.
// <station> is the station's name (StationName).

#include <string>

namespace orelle {

class FileSystem;

// <root>/phone/<station>/ of the station on those settings, on this machine.
std::string PhoneStationFolder(const std::string& backupRoot, const std::string& settingsFolder,
                               FileSystem& fs);

// A new session's folder below the station's, with a trailing separator.
std::string NewPhoneSessionFolder(const std::string& stationFolder);

// At the station's start, before any session of it opens: its sessions
// that a kill left, half-written files included.
void RemovePhoneLeftovers(const std::string& backupRoot, const std::string& settingsFolder,
                          FileSystem& fs);

}  // namespace orelle
