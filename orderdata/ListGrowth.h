#pragma once
// The one growth rule of the job's lists: when an append finds the array
// full, the capacity grows by the count divided by 8, at least 4 and at most
// 1024 entries, or to the needed size if that is larger.

#include <algorithm>
#include <cstddef>

namespace orelle {

inline std::size_t GrownCapacity(std::size_t capacity, std::size_t count, std::size_t needed) {
    std::size_t step = std::clamp<std::size_t>(count / 8, 4, 1024);
    return std::max(capacity + step, needed);
}

template <typename Vector>
void ReserveForAppend(Vector& v, std::size_t extra = 1) {
    std::size_t needed = v.size() + extra;
    if (needed > v.capacity()) v.reserve(GrownCapacity(v.capacity(), v.size(), needed));
}

}  // namespace orelle
