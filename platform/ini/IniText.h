#pragma once
// Builds INI text line by line, for the files that are written byte for byte
// rather than through profile writes: "[name]" and "key=value", each ended
// with CR LF. A line break inside a value is written as a space.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text/NumberText.h"
#include "platform/text/SingleLine.h"

namespace orelle {

class IniText {
public:
    explicit IniText(std::string& out) : out_(out) {}

    void Section(std::int64_t n) {
        out_ += '[';
        text::AppendInt(out_, n);
        out_ += "]\r\n";
    }
    void Section(std::string_view name) {
        out_ += '[';
        out_ += name;
        out_ += "]\r\n";
    }
    void Key(std::string_view key, std::string_view value) {
        Begin(key);
        text::AppendSingleLine(out_, value);
        out_ += "\r\n";
    }
    void Key(std::string_view key, std::int64_t value) {
        Begin(key);
        text::AppendInt(out_, value);
        out_ += "\r\n";
    }

private:
    void Begin(std::string_view key) {
        out_ += key;
        out_ += '=';
    }
    std::string& out_;
};

}  // namespace orelle
