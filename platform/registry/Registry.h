#pragma once
// The registry stand-in: keys and their values kept in one small INI file in
// the user's configuration folder, one section per root and key path (names
// without regard to case, as in the registry). Only the station's own keys
// and whatever the shop writes there by hand live in it.

#include <cstdint>
#include <string>
#include <string_view>

namespace orelle {

class FileSystem;

// The predefined roots, with their Windows values.
enum class RegistryRoot : std::uint32_t {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
};

inline constexpr long kRegistryOk = 0;
inline constexpr long kRegistryNotFound = 2;      // ERROR_FILE_NOT_FOUND
inline constexpr long kRegistryWriteFailed = 29;  // ERROR_WRITE_FAULT

class Registry {
  public:
    // The value name of a key's default value.
    static constexpr std::string_view kDefaultValue = "";

    explicit Registry(std::string filePath);
    Registry(std::string filePath, FileSystem& fs);

    // $XDG_CONFIG_HOME/orelle/registry.ini (or ~/.config/...).
    static Registry Default();

    bool KeyExists(RegistryRoot root, std::string_view key) const;
    // kRegistryOk and the value, or kRegistryNotFound when the key or the
    // value is missing (value is then empty).
    long Query(RegistryRoot root, std::string_view key, std::string_view name,
               std::string& value) const;
    // Creates the key when missing.
    long Set(RegistryRoot root, std::string_view key, std::string_view name,
             std::string_view value);
    long CreateKey(RegistryRoot root, std::string_view key);

    const std::string& path() const { return path_; }

  private:
    bool MakeFolder();

    std::string path_;
    FileSystem& fs_;
};

}  // namespace orelle
