#pragma once
// A desktop shell that starts nothing and records what it was asked to
// open or run.

#include <string>
#include <vector>

#include "platform/shell/Shell.h"

namespace orelle::testing {

class RecordingShell : public Shell {
  public:
    int openResult = 2;  // the desktop cannot open it
    int runResult = 33;
    std::vector<std::string> opened, started;
    int Open(const std::string& address, int) override {
        opened.push_back(address);
        return openResult;
    }
    int Run(const std::string& commandLine, int) override {
        started.push_back(commandLine);
        return runResult;
    }
};

}  // namespace orelle::testing
