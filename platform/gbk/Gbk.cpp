#include "platform/gbk/Gbk.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace orelle::gbk {
namespace {

bool IsAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// One iconv descriptor per direction and thread: opening one costs far more
// than converting a short text.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; every sequence that cannot be converted is
    // replaced by '?' and conversion goes on after it.
    std::string Convert(std::string_view in, std::size_t badSkip) {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
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
            // EILSEQ or EINVAL: replace the offending unit and go on.
            if (used + 1 > out.size()) out.resize(out.size() * 2);
            out[used++] = '?';
            std::size_t skip = errno == EINVAL ? srcLeft : SkipLength(src, srcLeft, badSkip);
            src += skip;
            srcLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(used);
        return out;
    }

private:
    // For UTF-8 input skip one whole (possibly malformed) character so that a
    // character GBK lacks yields a single '?'; for GBK input skip one byte.
    static std::size_t SkipLength(const char* p, std::size_t left, std::size_t badSkip) {
        if (badSkip == 1) return 1;
        std::size_t n = 1;
        while (n < left && (static_cast<unsigned char>(p[n]) & 0xC0) == 0x80) ++n;
        return n;
    }
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

}  // namespace

std::string FromUtf8(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    return Utf8ToGbk().Convert(utf8, 0);
}

std::string ToUtf8(std::string_view gbk) {
    if (IsAscii(gbk)) return std::string(gbk);
    return GbkToUtf8().Convert(gbk, 1);
}

std::size_t Length(std::string_view utf8) {
    if (IsAscii(utf8)) return utf8.size();
    return FromUtf8(utf8).size();
}

std::size_t CutPoint(std::string_view gbk, std::size_t maxBytes) {
    if (gbk.size() <= maxBytes) return gbk.size();
    std::size_t i = 0;
    while (i < maxBytes) {
        std::size_t unit = IsLeadByte(static_cast<unsigned char>(gbk[i])) && i + 1 < gbk.size() ? 2 : 1;
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
