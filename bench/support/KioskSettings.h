#pragma once
// A copy of the settings of the program folder (a build's: the shipped
// ones) in a folder of the benchmark's, with the order files under
// backupRoot.

#include <filesystem>
#include <string>

#include "platform/ini/Profile.h"
#include "platform/paths/Paths.h"

namespace orelle::bench {

inline std::string CopyKioskSettings(const std::filesystem::path& config,
                                     const std::filesystem::path& backupRoot) {
    namespace fs = std::filesystem;
    const fs::path program(paths::ProgramFolder());
    fs::create_directories(config / "sysini");
    for (const char* file : {"param.ini", "ver_ctrl.ini", "sysini/prints.ini", "sysini/prices.ini"})
        fs::copy_file(program / file, config / file, fs::copy_options::overwrite_existing);
    Profile((config / "param.ini").string())
        .WriteString("Lumora-backup", "dir", backupRoot.string());
    return config.string();
}

}  // namespace orelle::bench
