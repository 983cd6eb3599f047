#pragma once
// What every program answers the same way: --help (the usage on standard
// output), --version, and an option it does not know (the usage on
// standard error, exit 2).

#include <cstdio>
#include <cstring>

#include "orelle/Version.h"

namespace orelle::app {

// When an argument is --help or --version, answers it and returns 0;
// otherwise -1 and nothing is printed.
inline int AnswerStandardOptions(int argc, char** argv, const char* name, const char* usage) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", name, ORELLE_VERSION);
            return 0;
        }
    }
    return -1;
}

inline int UsageError(const char* usage) {
    std::fputs(usage, stderr);
    return 2;
}

// An argument that looks like an option where a folder or file belongs.
inline bool LooksLikeOption(const char* arg) { return arg[0] == '-'; }

}  // namespace orelle::app
