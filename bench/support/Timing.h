#pragma once
// Small timing helpers for the benchmarks: the median of repeated runs, and
// the report lines that bench/run collects.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace orelle::bench {

template <typename Fn>
double MedianSeconds(int repeats, Fn&& fn) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(repeats));
    for (int i = 0; i < repeats; ++i) {
        auto start = std::chrono::steady_clock::now();
        fn();
        times.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + static_cast<long>(times.size() / 2),
                     times.end());
    return times[times.size() / 2];
}

// Ours divided by the reference: lower is better.
inline void Ratio(const char* name, double ours, double reference) {
    std::printf("ratio %s %.3f\n", name, ours / reference);
}

inline void Figure(const char* name, double value, const char* unit) {
    std::printf("figure %s %.3f %s\n", name, value, unit);
}

}  // namespace orelle::bench
