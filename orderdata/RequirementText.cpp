#include "orderdata/RequirementText.h"

namespace orelle {

std::string RequirementFromTyped(const std::string& typed) {
    std::string out = typed;
    for (char& c : out) {
        if (c == ';' || c == ' ') c = ',';
    }
    return out;
}

}  // namespace orelle
