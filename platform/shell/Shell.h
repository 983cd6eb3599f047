#pragma once
// Opening a web address and starting a program, the way the desktop does
// it. Behind an interface so that tests see what would have been started.

#include <string>

namespace orelle {

inline constexpr int kShowNormal = 1;  // SW_SHOWNORMAL

class Shell {
  public:
    virtual ~Shell() = default;
    // The desktop's "open" of an address; above 32 on success.
    virtual int Open(const std::string& address, int show) = 0;
    // Starts a command line; above 31 on success. On POSIX a program that
    // ends with an error within a second counts as not started (it blocks
    // the caller up to that second).
    virtual int Run(const std::string& commandLine, int show) = 0;

    static Shell& Default();
};

// The browser command line, followed by a blank, used when the registry
// names no browser.
std::string FallbackBrowserCommand();

}  // namespace orelle
