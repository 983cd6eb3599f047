#include "platform/ini/IniDocument.h"

#include <algorithm>

#include "platform/gbk/Gbk.h"
#include "platform/text/SingleLine.h"

namespace orelle {
namespace {

constexpr std::size_t npos = std::string::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

unsigned char FoldAscii(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

}  // namespace

bool IniNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto ca = static_cast<unsigned char>(a[i]);
        auto cb = static_cast<unsigned char>(b[i]);
        if (gbk::IsLeadByte(ca) && i + 1 < a.size()) {
            // A trail byte may look like an ASCII letter: compare the pair exactly.
            if (ca != cb || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        if (FoldAscii(ca) != FoldAscii(cb)) return false;
    }
    return true;
}

IniDocument::Line IniDocument::ParseLine(std::string_view text) {
    Line line;
    line.text = std::string(text);
    std::string_view t = Trim(text);
    if (!t.empty() && t.front() == '[') {
        std::size_t close = t.rfind(']');
        if (close != npos) {
            line.kind = Kind::kSection;
            line.name = std::string(Trim(t.substr(1, close - 1)));
            return line;
        }
    }
    if (t.empty() || t.front() == ';') return line;
    std::size_t eq = text.find('=');
    if (eq == npos) return line;
    std::string_view name = Trim(text.substr(0, eq));
    if (name.empty()) return line;
    line.kind = Kind::kKey;
    line.name = std::string(name);
    std::size_t begin = eq + 1;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    line.valueBegin = begin;
    line.valueLength = end - begin;
    return line;
}

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument doc;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // A line ends at CR LF, LF or CR alone, as Windows reads it.
        const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        doc.lines_.push_back(ParseLine(bytes.substr(pos, end - pos)));
        pos = end;
        if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    }
    return doc;
}

std::size_t IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::kSection && IniNamesEqual(lines_[i].name, section)) return i;
    }
    return npos;
}

std::size_t IniDocument::SectionEnd(std::size_t sectionLine) const {
    std::size_t i = sectionLine + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::kSection) ++i;
    return i;
}

std::size_t IniDocument::FindKey(std::size_t sectionLine, std::string_view key) const {
    std::size_t end = SectionEnd(sectionLine);
    for (std::size_t i = sectionLine + 1; i < end; ++i) {
        if (lines_[i].kind == Kind::kKey && IniNamesEqual(lines_[i].name, key)) return i;
    }
    return npos;
}

bool IniDocument::HasSection(std::string_view section) const {
    return FindSection(section) != npos;
}

std::optional<std::string_view> IniDocument::Get(std::string_view section,
                                                 std::string_view key) const {
    const std::size_t s = FindSection(section);
    if (s == npos) return std::nullopt;
    return GetIn(s, key);
}

std::vector<IniDocument::SectionRef> IniDocument::Sections() const {
    std::vector<SectionRef> out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::kSection) out.push_back({lines_[i].name, i});
    }
    return out;
}

std::optional<std::string_view> IniDocument::GetIn(std::size_t handle, std::string_view key) const {
    const std::size_t k = FindKey(handle, key);
    if (k == npos) return std::nullopt;
    const Line& line = lines_[k];
    std::string_view value = std::string_view(line.text).substr(line.valueBegin, line.valueLength);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

std::size_t IniDocument::AddSection(std::string_view section) {
    const std::size_t s = FindSection(section);
    if (s != npos) return s;
    Line head;
    head.kind = Kind::kSection;
    head.name = std::string(section);
    head.text = "[" + head.name + "]";
    lines_.push_back(std::move(head));
    return lines_.size() - 1;
}

void IniDocument::RemoveSection(std::size_t handle) {
    if (handle >= lines_.size() || lines_[handle].kind != Kind::kSection) return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(handle),
                 lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(handle)));
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::size_t s = AddSection(section);
    std::size_t k = FindKey(s, key);
    std::string keyName = k == npos ? std::string(key) : lines_[k].name;
    // A line break inside a value would start a line of its own.
    Line line = ParseLine(keyName + "=" + text::SingleLine(value));
    if (k != npos) {
        lines_[k] = std::move(line);
        return;
    }
    // After the section's last key, so that blank lines before the next
    // section stay where they are.
    std::size_t at = SectionEnd(s);
    while (at > s + 1 && lines_[at - 1].kind == Kind::kOther && Trim(lines_[at - 1].text).empty())
        --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

std::string IniDocument::Serialize() const {
    std::size_t size = 0;
    for (const Line& line : lines_) size += line.text.size() + 2;
    std::string out;
    out.reserve(size);
    for (const Line& line : lines_) {
        out += line.text;
        out += "\r\n";
    }
    return out;
}

}  // namespace orelle
