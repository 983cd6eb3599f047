#include "platform/registry/Registry.h"

#include <cstdlib>

#include "platform/files/FileSystem.h"
#include "platform/ini/Profile.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

// The name a .reg file gives a key's default value.
constexpr std::string_view kDefaultValueName = "@";

std::string RootName(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::ClassesRoot:
            return "HKEY_CLASSES_ROOT";
        case RegistryRoot::CurrentUser:
            return "HKEY_CURRENT_USER";
        case RegistryRoot::LocalMachine:
            return "HKEY_LOCAL_MACHINE";
    }
    return "HKEY_" + std::to_string(static_cast<std::uint32_t>(root));
}

std::string Section(RegistryRoot root, std::string_view key) {
    return RootName(root) + "\\" + std::string(key);
}

std::string_view ValueName(std::string_view name) {
    return name.empty() ? kDefaultValueName : name;
}

std::string ConfigFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return xdg;
    if (const char* home = std::getenv("HOME"); home && *home) return paths::Join(home, ".config");
    return ".";
}

}  // namespace

Registry::Registry(std::string filePath) : Registry(std::move(filePath), FileSystem::Default()) {}

Registry::Registry(std::string filePath, FileSystem& fs) : path_(std::move(filePath)), fs_(fs) {}

Registry Registry::Default() {
    return Registry(paths::Join(paths::Join(ConfigFolder(), "orelle"), "registry.ini"));
}

bool Registry::KeyExists(RegistryRoot root, std::string_view key) const {
    return Profile(path_, fs_).HasSection(Section(root, key));
}

long Registry::Query(RegistryRoot root, std::string_view key, std::string_view name,
                     std::string& value) const {
    value.clear();
    const Profile profile(path_, fs_);
    const std::string section = Section(root, key);
    if (!profile.HasSection(section)) return kRegistryNotFound;
    // A value's length is the registry's business, not a profile buffer's.
    constexpr std::size_t kUnbounded = 1 << 20;
    constexpr std::string_view kMissing = "\x01";
    std::string read = profile.GetString(section, ValueName(name), kMissing, kUnbounded);
    if (read == kMissing) return kRegistryNotFound;
    value = std::move(read);
    return kRegistryOk;
}

long Registry::Set(RegistryRoot root, std::string_view key, std::string_view name,
                   std::string_view value) {
    if (!MakeFolder()) return kRegistryWriteFailed;
    // Quoted, so that blanks at either end and quotes of a command line
    // come back as written.
    const std::string quoted = "\"" + std::string(value) + "\"";
    Profile profile(path_, fs_);
    return profile.WriteString(Section(root, key), ValueName(name), quoted) ? kRegistryOk
                                                                            : kRegistryWriteFailed;
}

bool Registry::MakeFolder() {
    const std::string folder(paths::DirectoryPart(path_));
    return folder.empty() || fs_.CreateDirectories(folder);
}

long Registry::CreateKey(RegistryRoot root, std::string_view key) {
    if (KeyExists(root, key)) return kRegistryOk;
    if (!MakeFolder()) return kRegistryWriteFailed;
    Profile profile(path_, fs_);
    return profile.CreateSection(Section(root, key)) ? kRegistryOk : kRegistryWriteFailed;
}

}  // namespace orelle
