#pragma once
// A station's day on in-memory files: the backup root "/backup" on
// 7 December 2026, and files put anywhere by their path.

#include <string>
#include <string_view>

#include "orderdata/ProcessState.h"
#include "platform/files/FileSystem.h"

namespace orelle::testing {

inline void OnMemoryDay(ProcessState& state) {
    state.startup.config.dir = "/backup";
    state.startup.date.dateStr = "2026-12-7";
    state.startup.date.datePrefix = "261207";
}

inline void Put(FileSystem& fs, const std::string& path, std::string_view bytes = "photo") {
    fs.CreateDirectories(path.substr(0, path.rfind('/')));
    fs.ReplaceFile(path, bytes);
}

}  // namespace orelle::testing
