#include "platform/ini/Profile.h"

#include "platform/gbk/Gbk.h"
#include "platform/ini/ProfileNumber.h"

namespace orelle {

Profile::Profile(std::string path, FileSystem& fs) : path_(std::move(path)), fs_(fs) {
    std::string bytes;
    if (fs_.ReadFile(path_, &bytes)) doc_ = IniDocument::Parse(bytes);
}

std::optional<std::string_view> Profile::Raw(std::string_view section, std::string_view key) const {
    return doc_.Get(gbk::FromUtf8(section), gbk::FromUtf8(key));
}

std::string Profile::GetString(std::string_view section, std::string_view key, std::string_view def,
                               std::size_t bufferSize) const {
    std::size_t max = bufferSize == 0 ? 0 : bufferSize - 1;
    auto raw = Raw(section, key);
    // Windows drops the blanks that end a default: a default of " " reads
    // as an empty text.
    while (!def.empty() && def.back() == ' ') def.remove_suffix(1);
    if (!raw) return gbk::CutToBytes(def, max);
    return gbk::ToUtf8(raw->substr(0, gbk::CutPoint(*raw, max)));
}

std::int32_t Profile::GetInt(std::string_view section, std::string_view key,
                             std::int32_t def) const {
    auto raw = Raw(section, key);
    if (!raw || raw->empty()) return def;
    return ParseProfileInt(*raw);
}

bool Profile::HasSection(std::string_view section) const {
    return doc_.HasSection(gbk::FromUtf8(section));
}

bool Profile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    return WriteStrings(section, {{std::string(key), std::string(value)}});
}

bool Profile::WriteStrings(std::string_view section, const KeyValues& keyValues) {
    std::string bytes;
    IniDocument fresh;
    if (fs_.ReadFile(path_, &bytes)) fresh = IniDocument::Parse(bytes);
    const std::string gbkSection = gbk::FromUtf8(section);
    fresh.AddSection(gbkSection);
    for (const auto& [key, value] : keyValues) {
        fresh.Set(gbkSection, gbk::FromUtf8(key), gbk::FromUtf8(value));
    }
    if (!fs_.ReplaceFile(path_, fresh.Serialize())) return false;
    doc_ = std::move(fresh);
    return true;
}

bool Profile::CreateSection(std::string_view section) {
    return HasSection(section) || WriteStrings(section, {});
}

}  // namespace orelle
