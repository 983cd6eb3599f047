#include "platform/text/SingleLine.h"

namespace orelle::text {

void FlattenLineBreaks(char* begin, char* end) {
    for (char* c = begin; c < end; ++c) {
        if (*c == '\r' || *c == '\n') *c = ' ';
    }
}

std::string SingleLine(std::string_view s) {
    std::string out(s);
    FlattenLineBreaks(out.data(), out.data() + out.size());
    return out;
}

}  // namespace orelle::text
