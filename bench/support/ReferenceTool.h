#pragma once
// Running reference programs (djpeg, cp) beside our own code in a benchmark.

#include <string>
#include <vector>

namespace orelle::bench {

// Whether `name` is an executable file in one of the PATH folders.
bool HaveProgram(const char* name);

// Runs argv (argv[0] looked up in PATH) `repeats` times with its standard
// output sent to /dev/null; the best wall time in seconds, or a negative
// value when the program could not start or exited with a failure.
double TimeCommand(const std::vector<std::string>& argv, int repeats);

// cp -r from to, followed by sync: a copy that is on the disk, as the
// station's copies are before the order files name them.
double TimeDurableCopy(const std::string& from, const std::string& to);

}  // namespace orelle::bench
