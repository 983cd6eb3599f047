#pragma once
// The station's process state loaded from the program folder, on the
// machine's services, as the exported window would have it.

#include "orderdata/ProcessState.h"
#include "platform/Services.h"
#include "platform/paths/Paths.h"

namespace orelle::bench {

struct BenchStation {
    BenchStation() {
        LoadProcessState(state, paths::ProgramFolder(), services.files, services.clock);
    }

    Services services = MachineServices();
    ProcessState state;
};

}  // namespace orelle::bench
