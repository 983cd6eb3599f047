#include "platform/gbk/Gbk.h"

#include <iconv.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace orelle::gbk {
namespace {

bool IsAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// One iconv descriptor per direction and thread: opening one costs far more
// than converting a short text.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Open()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; every byte that does not start a valid
    // sequence is replaced by '?' and conversion goes on after it.
    std::string Convert(std::string_view in) {
        std::string out;
        if (!Open()) {
            out.assign(in.size(), '?');
            return out;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.resize(in.size() * 2 + 16);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        std::size_t used = 0;
        while (srcLeft > 0) {
            char* dst = out.data() + used;
            std::size_t dstLeft = out.size() - used;
            std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            used = out.size() - dstLeft;
            if (rc != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            // EILSEQ or EINVAL: replace the offending byte and go on.
            if (used + 1 > out.size()) out.resize(out.size() * 2);
            out[used++] = '?';
            ++src;
            --srcLeft;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(used);
        return out;
    }

    // Converts one short sequence; false when it has no counterpart.
    bool ConvertExact(std::string_view in, std::string& out) {
        if (!Open()) return false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[8];
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1))
            return false;
        out.assign(buffer, dst);
        return true;
    }

  private:
    bool Open() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t cd_;
};

Converter& Utf8ToGbk() {
    thread_local Converter c("GBK", "UTF-8");
    return c;
}

Converter& GbkToUtf8() {
    thread_local Converter c("UTF-8", "GBK");
    return c;
}

// UTF-8 to GBK goes through a table of the code points met so far, filled
// from iconv one code point at a time: order files of thousands of photos
// convert at the speed of a copy, and iconv stays the one authority on the
// mapping. 0 means not looked up yet.
constexpr std::uint16_t kUnknown = 0;
constexpr std::uint16_t kUnmapped = 1;

std::uint16_t LookUpWithIconv(char16_t cp) {
    char utf8[3];
    std::size_t n = 0;
    if (cp < 0x800) {
        utf8[n++] = static_cast<char>(0xC0 | (cp >> 6));
    } else {
        utf8[n++] = static_cast<char>(0xE0 | (cp >> 12));
        utf8[n++] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    }
    utf8[n++] = static_cast<char>(0x80 | (cp & 0x3F));
    std::string gbk;
    if (!Utf8ToGbk().ConvertExact(std::string_view(utf8, n), gbk)) return kUnmapped;
    if (gbk.size() == 1) return static_cast<unsigned char>(gbk[0]);
    if (gbk.size() == 2) {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(gbk[0]) << 8 |
                                          static_cast<unsigned char>(gbk[1]));
    }
    return kUnmapped;
}

std::uint16_t GbkCodeOf(char16_t cp) {
    // Surrogate code points are not characters.
    if (cp >= 0xD800 && cp <= 0xDFFF) return kUnmapped;
    static std::atomic<std::uint16_t> table[0x10000];
    std::uint16_t code = table[cp].load(std::memory_order_relaxed);
    if (code == kUnknown) {
        code = LookUpWithIconv(cp);
        table[cp].store(code, std::memory_order_relaxed);
    }
    return code;
}

// The first byte at or after p that is not ASCII, or end; eight at a time.
const char* SkipAscii(const char* p, const char* end) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
    while (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        if (word & kHighBits) break;
        p += 8;
    }
    while (p < end && static_cast<unsigned char>(*p) < 0x80) ++p;
    return p;
}

// Decodes one UTF-8 sequence at p (not ASCII) and moves p past it. A
// malformed or cut-off sequence gives a code point beyond the BMP, which
// maps to '?', and p moves past its continuation bytes.
std::uint32_t DecodeUtf8(const char*& p, const char* end) {
    constexpr std::uint32_t kBad = 0x110000;
    unsigned char lead = static_cast<unsigned char>(*p++);
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    std::uint32_t cp = more == 3 ? lead & 0x07u : more == 2 ? lead & 0x0Fu : lead & 0x1Fu;
    bool ok = more > 0 && lead < 0xF5 && lead != 0xC0 && lead != 0xC1;
    int seen = 0;
    while (p < end && (static_cast<unsigned char>(*p) & 0xC0) == 0x80) {
        if (seen < more) cp = (cp << 6) | (static_cast<unsigned char>(*p) & 0x3Fu);
        ++seen;
        ++p;
    }
    if (!ok || seen != more) return kBad;
    // Overlong forms name no character.
    if ((more == 2 && cp < 0x800) || (more == 3 && cp < 0x10000)) return kBad;
    return cp;
}

}  // namespace

std::string FromUtf8(std::string_view utf8) {
    std::string out;
    AppendFromUtf8(out, utf8);
    return out;
}

void AppendFromUtf8(std::string& out, std::string_view utf8) {
    std::size_t at = out.size();
    out.resize(at + utf8.size());
    char* end = EncodeFromUtf8(out.data() + at, utf8);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

char* EncodeFromUtf8(char* dst, std::string_view utf8) {
    const char* p = utf8.data();
    const char* end = p + utf8.size();
    while (p < end) {
        const char* ascii = p;
        p = SkipAscii(p, end);
        std::memcpy(dst, ascii, static_cast<std::size_t>(p - ascii));
        dst += p - ascii;
        if (p == end) break;
        std::uint32_t cp = DecodeUtf8(p, end);
        std::uint16_t code = cp <= 0xFFFF ? GbkCodeOf(static_cast<char16_t>(cp)) : kUnmapped;
        if (code == kUnmapped) {
            *dst++ = '?';
        } else if (code < 0x100) {
            *dst++ = static_cast<char>(code);
        } else {
            *dst++ = static_cast<char>(code >> 8);
            *dst++ = static_cast<char>(code & 0xFF);
        }
    }
    return dst;
}

std::string ToUtf8(std::string_view gbk) {
    if (IsAscii(gbk)) return std::string(gbk);
    return GbkToUtf8().Convert(gbk);
}

std::size_t Length(std::string_view utf8) {
    if (IsAscii(utf8)) return utf8.size();
    return FromUtf8(utf8).size();
}

std::size_t CutPoint(std::string_view gbk, std::size_t maxBytes) {
    if (gbk.size() <= maxBytes) return gbk.size();
    std::size_t i = 0;
    while (i < maxBytes) {
        std::size_t unit =
            IsLeadByte(static_cast<unsigned char>(gbk[i])) && i + 1 < gbk.size() ? 2 : 1;
        if (i + unit > maxBytes) break;
        i += unit;
    }
    return i;
}

std::string CutToBytes(std::string_view utf8, std::size_t maxBytes) {
    if (IsAscii(utf8)) return std::string(utf8.substr(0, std::min(maxBytes, utf8.size())));
    std::string bytes = FromUtf8(utf8);
    if (bytes.size() <= maxBytes) return std::string(utf8);
    return ToUtf8(std::string_view(bytes).substr(0, CutPoint(bytes, maxBytes)));
}

}  // namespace orelle::gbk
