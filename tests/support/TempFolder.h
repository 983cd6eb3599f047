#pragma once
// A fresh folder on the disk for one test, removed with everything in it.

#include <string>
#include <string_view>

namespace orelle::testing {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Without a trailing separator.
    const std::string& path() const { return path_; }
    std::string operator/(std::string_view name) const;

  private:
    std::string path_;
};

// Helpers for test files: raw bytes, and UTF-8 text stored as GBK with
// every "\n" written as CR LF.
void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);
std::string GbkText(std::string_view utf8);
// A fixture shipped in tests/fixtures.
std::string FixturePath(std::string_view name);

}  // namespace orelle::testing
