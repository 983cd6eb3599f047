#include "support/OwnHome.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace orelle::testing {

OwnHome::OwnHome() {
    // In the build tree: what a killed test leaves goes with the build.
    std::filesystem::create_directories(ORELLE_TEST_HOMES_DIR);
    std::string pattern = ORELLE_TEST_HOMES_DIR "/home-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    ::setenv("HOME", path_.c_str(), 1);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                             "XDG_RUNTIME_DIR"}) {
        const std::string folder = path_ + "/" + name;
        ::mkdir(folder.c_str(), 0700);
        ::setenv(name, folder.c_str(), 1);
    }
    ::setenv("LPDEST", "orelle-receipt", 1);
}

OwnHome::~OwnHome() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace orelle::testing
