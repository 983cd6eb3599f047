#pragma once
// An INI text held as its raw (GBK) lines, read and edited with the rules of
// Windows profile strings:
// - section and key names compare without regard to ASCII letter case (GBK
//   two-byte characters are compared as they are);
// - names and values are trimmed of spaces and tabs; one pair of matching
//   quotes around a value is removed when it is read;
// - the first section of a name and the first key of a name in it win;
// - lines that are neither a section nor a key (comments, blanks, garbage)
//   are kept as they are; editing a key keeps every other line;
// - the text is written back with CR LF after every line.
// Works on bytes only; conversion to UTF-8 is the caller's (see Profile).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orelle {

class IniDocument {
  public:
    IniDocument() = default;
    static IniDocument Parse(std::string_view bytes);

    // The value of the key, trimmed and unquoted; nullopt when the section
    // or the key is absent.
    std::optional<std::string_view> Get(std::string_view section, std::string_view key) const;

    // Replaces the value of the first key of that name in the first section
    // of that name; adds the key at the end of the section, or the section at
    // the end of the text, when absent.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    bool HasSection(std::string_view section) const;

    // For reading many sections without a search each: every section in
    // file order, with a handle for GetIn. A name may come more than once;
    // Get reads the first.
    struct SectionRef {
        std::string_view name;
        std::size_t handle;
    };
    std::vector<SectionRef> Sections() const;
    // As Get, inside the section of that handle.
    std::optional<std::string_view> GetIn(std::size_t handle, std::string_view key) const;
    // Adds an empty section at the end unless one of that name exists;
    // returns the index of its line.
    std::size_t AddSection(std::string_view section);
    // Removes the section of that handle with every line up to the next
    // section; handles of later sections are then no longer valid.
    void RemoveSection(std::size_t handle);

    std::string Serialize() const;

  private:
    enum class Kind { kOther, kSection, kKey };
    struct Line {
        std::string text;
        Kind kind = Kind::kOther;
        std::string name;            // section or key name, trimmed
        std::size_t valueBegin = 0;  // key lines: trimmed value inside text
        std::size_t valueLength = 0;
    };
    static Line ParseLine(std::string_view text);
    // Index of the section line, or npos.
    std::size_t FindSection(std::string_view section) const;
    // Index of the key line inside the section starting at sectionLine, or npos.
    std::size_t FindKey(std::size_t sectionLine, std::string_view key) const;
    std::size_t SectionEnd(std::size_t sectionLine) const;

    std::vector<Line> lines_;
};

// ASCII case-insensitive equality of raw GBK names.
bool IniNamesEqual(std::string_view a, std::string_view b);

}  // namespace orelle
