#pragma once
// Small timing helpers for the benchmarks: the median of repeated runs, and
// the report lines that bench/run collects.

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace orelle::bench {

inline double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// CPU time (user and system) of this process's threads, or of its ended
// children, in seconds: steadier than wall time on a busy machine.
inline double CpuSeconds(int who = RUSAGE_SELF) {
    rusage u{};
    getrusage(who, &u);
    const auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
    return s(u.ru_utime) + s(u.ru_stime);
}

inline double Median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

// The scratch folder that bench/run passes every benchmark; empty, after a
// usage line, when it is missing.
inline std::string ScratchFolderArg(int argc, char** argv) {
    if (argc >= 2 && argv[1][0] != '\0') return argv[1];
    std::fprintf(stderr, "usage: %s SCRATCH_FOLDER\n", argv[0]);
    return {};
}

template <typename Fn>
double MedianSeconds(int repeats, Fn&& fn) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(repeats));
    for (int i = 0; i < repeats; ++i) {
        auto start = std::chrono::steady_clock::now();
        fn();
        times.push_back(SecondsSince(start));
    }
    return Median(std::move(times));
}

// Ours divided by the reference: lower is better.
inline void Ratio(const char* name, double ours, double reference) {
    std::printf("ratio %s %.3f\n", name, ours / reference);
}

inline void Figure(const char* name, double value, const char* unit) {
    std::printf("figure %s %.3f %s\n", name, value, unit);
}

}  // namespace orelle::bench
