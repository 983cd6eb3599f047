#pragma once
// The station's process state loaded from the program folder, on the
// machine's services, as the exported window would have it.

#include <memory>
#include <string>
#include <vector>

#include "orderdata/PhotoRecord.h"
#include "orderdata/ProcessState.h"
#include "platform/Services.h"
#include "platform/paths/Paths.h"

namespace orelle::bench {

struct BenchStation {
    BenchStation() {
        LoadProcessState(state, paths::ProgramFolder(), services.files, services.clock);
    }
    // A job of these photos in place, one 5-inch print each.
    explicit BenchStation(const std::vector<std::string>& photos) : BenchStation() {
        for (const std::string& f : photos) {
            auto r = std::make_unique<PhotoRecord>();
            r->srcName = r->origName = r->dstName = f;
            r->specIndex = 1;
            r->number = 1;
            state.photoList.Append(std::move(r));
        }
    }

    Services services = MachineServices();
    ProcessState state;
};

}  // namespace orelle::bench
