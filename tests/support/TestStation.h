#pragma once
// A station's process state of its own for one test: the shipped settings
// of the program folder, the backup root and the registry below the test's
// folder, the machine's files, clock and shell unless the test swaps them.

#include "orderdata/ProcessState.h"
#include "platform/Services.h"
#include "platform/paths/Paths.h"
#include "support/TempFolder.h"

namespace orelle::testing {

class TestStation {
  public:
    explicit TestStation(const TempFolder& dir) : TestStation(dir, MachineServices()) {}
    TestStation(const TempFolder& dir, const Services& base)
        : services{base.files, base.disks, base.clock, base.shell,
                   Registry(dir / "registry.ini", base.files)} {
        LoadProcessState(state, paths::ProgramFolder(), services.files, services.clock);
        // Order files go below the test's folder, never the user's.
        state.startup.config.dir = dir / "backup";
        // No visit of a test ends because the test took its time.
        state.startup.config.idle = 0;
    }

    Services services;
    ProcessState state;
};

}  // namespace orelle::testing
