#pragma once
// Builds the bytes of an INI file line by line, for the files that are
// written byte for byte rather than through profile writes: "[name]" and
// "key=value", each ended with CR LF. Names are ASCII; values are UTF-8 and
// land in GBK, with every line break inside them written as a space.
// Each line is written straight into a buffer grown ahead of it, which
// keeps files of thousands of sections as fast as copying them.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace orelle {

class IniText {
  public:
    explicit IniText(std::size_t expectedSize = 0) { buffer_.resize(expectedSize); }

    void Section(std::string_view name);
    void Section(std::int64_t number);
    void Key(std::string_view key, std::string_view value);
    // A value made of several texts one after the other.
    void Key(std::string_view key, std::initializer_list<std::string_view> parts);
    void Key(std::string_view key, std::int64_t value);

    // The bytes written so far; the builder is empty afterwards.
    std::string Take();

  private:
    // Room for that many bytes after the text.
    char* Room(std::size_t bytes) {
        if (buffer_.size() - used_ < bytes) Grow(bytes);
        return buffer_.data() + used_;
    }
    void Grow(std::size_t bytes);
    void Done(char* end) { used_ = static_cast<std::size_t>(end - buffer_.data()); }

    std::string buffer_;  // bytes 0 .. used_-1 are the text; the rest is room
    std::size_t used_ = 0;
};

}  // namespace orelle
