#include "skin/NoticeParts.h"

#include <string_view>

namespace orelle {
namespace {

constexpr std::string_view kNumberStart = "订单号:<";

}  // namespace

NoticeParts SplitAtOrderNumber(const std::string& text) {
    NoticeParts parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.substr(0, kNumberStart.size()) == kNumberStart && line.back() == '>') {
            parts.before = text.substr(0, start);
            while (!parts.before.empty() &&
                   (parts.before.back() == '\n' || parts.before.back() == '\r'))
                parts.before.pop_back();
            parts.number = std::string(line);
            parts.after = end < text.size() ? text.substr(end + 1) : "";
            for (char c : parts.after) parts.linesAfter += c == '\n';
            if (!parts.after.empty() && parts.after.back() != '\n') ++parts.linesAfter;
            return parts;
        }
        start = end + 1;
    }
    parts.before = text;
    return parts;
}

}  // namespace orelle
