#include "submit/FormValue.h"

namespace orelle {
namespace {

bool ChangesForm(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == '&' || c == '=' || c == '%' || c == '+';
}

}  // namespace

std::string FormValue(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size());
    for (char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (!ChangesForm(c)) {
            out += ch;
            continue;
        }
        out += '%';
        out += kHex[c >> 4];
        out += kHex[c & 0x0F];
    }
    return out;
}

}  // namespace orelle
