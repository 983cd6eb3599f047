#pragma once
// The process's peak resident memory, for the memory figures.

#include <fstream>
#include <string>

namespace orelle::bench {

// In MB, so far, from the kernel (VmHWM); -1 when it cannot be read.
inline double PeakRssMb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

// Starts the peak over from the memory in use now, so that what came
// before (making the test photos) does not count; false when the kernel
// does not allow it.
inline bool ResetPeakRss() {
    std::ofstream clear("/proc/self/clear_refs");
    return static_cast<bool>(clear << "5");
}

}  // namespace orelle::bench
