#pragma once
// Where a part of a file lies in its bytes, found by a walk that checked
// it lies wholly inside them.

#include <cstddef>

namespace orelle {

struct ByteSpan {
    std::size_t offset = 0;
    std::size_t size = 0;
};

}  // namespace orelle
