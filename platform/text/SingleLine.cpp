#include "platform/text/SingleLine.h"

namespace orelle::text {

void AppendSingleLine(std::string& out, std::string_view s) {
    std::size_t from = out.size();
    out.append(s);
    for (std::size_t i = from; i < out.size(); ++i) {
        if (out[i] == '\r' || out[i] == '\n') out[i] = ' ';
    }
}

std::string SingleLine(std::string_view s) {
    std::string out;
    AppendSingleLine(out, s);
    return out;
}

}  // namespace orelle::text
