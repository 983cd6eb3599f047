#include "platform/ini/IniText.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "platform/gbk/Gbk.h"
#include "platform/text/SingleLine.h"

namespace orelle {
namespace {

constexpr std::size_t kLineEnd = 2;
constexpr std::size_t kIntDigits = 20;  // the longest 64-bit value with its sign

char* PutInt(char* at, std::int64_t value) { return std::to_chars(at, at + kIntDigits, value).ptr; }

char* Put(char* at, std::string_view s) {
    std::memcpy(at, s.data(), s.size());
    return at + s.size();
}

char* PutLineEnd(char* at) {
    at[0] = '\r';
    at[1] = '\n';
    return at + kLineEnd;
}

}  // namespace

void IniText::Grow(std::size_t bytes) {
    buffer_.resize(std::max(buffer_.size() * 2, used_ + bytes));
}

void IniText::Section(std::string_view name) {
    char* at = Room(name.size() + 2 + kLineEnd);
    *at++ = '[';
    at = Put(at, name);
    *at++ = ']';
    Done(PutLineEnd(at));
}

void IniText::Section(std::int64_t number) {
    char* at = Room(kIntDigits + 2 + kLineEnd);
    *at++ = '[';
    at = PutInt(at, number);
    *at++ = ']';
    Done(PutLineEnd(at));
}

void IniText::Key(std::string_view key, std::string_view value) { Key(key, {value}); }

void IniText::Key(std::string_view key, std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (std::string_view part : parts) size += part.size();
    char* at = Room(key.size() + 1 + size + kLineEnd);
    at = Put(at, key);
    *at++ = '=';
    char* begin = at;
    for (std::string_view part : parts) at = gbk::EncodeFromUtf8(at, part);
    const std::size_t n = static_cast<std::size_t>(at - begin);
    if (std::memchr(begin, '\r', n) || std::memchr(begin, '\n', n))
        text::FlattenLineBreaks(begin, at);
    Done(PutLineEnd(at));
}

void IniText::Key(std::string_view key, std::int64_t value) {
    char* at = Room(key.size() + 1 + kIntDigits + kLineEnd);
    at = Put(at, key);
    *at++ = '=';
    Done(PutLineEnd(PutInt(at, value)));
}

std::string IniText::Take() {
    buffer_.resize(used_);
    used_ = 0;
    return std::move(buffer_);
}

}  // namespace orelle
