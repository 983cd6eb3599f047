#pragma once
// One INI file read and written with the rules of Windows profile strings
// (see IniDocument). Names and values are UTF-8 here and GBK in the file.
// A Profile reads its file once when made; writes read the file afresh, set
// the keys and replace the file whole. Not thread-safe; make one per use.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/files/FileSystem.h"
#include "platform/ini/IniDocument.h"

namespace orelle {

class Profile {
  public:
    // Texts are read into buffers of this size: at most 259 GBK bytes.
    static constexpr std::size_t kDefaultBufferSize = 260;

    explicit Profile(std::string path, FileSystem& fs = FileSystem::Default());

    // The value, or the default when the section or key is missing; cut, at a
    // character boundary, to bufferSize - 1 GBK bytes.
    std::string GetString(std::string_view section, std::string_view key, std::string_view def,
                          std::size_t bufferSize = kDefaultBufferSize) const;
    // The value as a profile integer; the default when missing or empty.
    std::int32_t GetInt(std::string_view section, std::string_view key, std::int32_t def) const;
    bool HasSection(std::string_view section) const;

    // False when the file cannot be written; the file is then unchanged.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    using KeyValues = std::vector<std::pair<std::string, std::string>>;
    // Several keys of one section in one replacement of the file, in order.
    bool WriteStrings(std::string_view section, const KeyValues& keyValues);
    // Writes the section without keys when it is missing.
    bool CreateSection(std::string_view section);

    const std::string& path() const { return path_; }

  private:
    std::optional<std::string_view> Raw(std::string_view section, std::string_view key) const;

    std::string path_;
    FileSystem& fs_;
    IniDocument doc_;
};

}  // namespace orelle
