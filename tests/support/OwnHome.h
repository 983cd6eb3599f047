#pragma once
// The test process's own home: its configuration, cache, data and runtime
// folders (Qt's and the registry's files, fonts' caches, what programs it
// starts write there), removed with the object, so that a test leaves the
// user's home as it found it. Its printer is the tests' receipt queue
// alone, never the machine's default. Made before anything reads them.

#include <string>

namespace orelle::testing {

class OwnHome {
  public:
    OwnHome();
    ~OwnHome();
    OwnHome(const OwnHome&) = delete;
    OwnHome& operator=(const OwnHome&) = delete;

  private:
    std::string path_;
};

}  // namespace orelle::testing
