// The tools for orders left pending, on the settings in use and the
// machine's files.

#include <cstdlib>

#include "orderdata/FeatureFlags.h"
#include "orderdata/OrderNumberCheck.h"
#include "orderdata/ProcessState.h"
#include "orelle/StationTools.h"
#include "platform/Services.h"
#include "platform/files/FileSystem.h"
#include "submit/PendingOrders.h"

namespace orelle {

std::string StationTools::PendingOrders() {
    const std::string& root = Process().startup.config.dir;
    std::string out;
    for (const PendingOrder& p : FindPendingOrders(MachineServices().files, root))
        out += p.job + " " + p.day + " [" + p.section + "] " +
               (p.number.empty() ? "-" : p.number) + "\n";
    return out;
}

bool StationTools::FinishOrder(const std::string& job, std::string* told) {
    const ProcessState& state = Process();
    FileSystem& files = MachineServices().files;
    // The switches as a window would read them now; no window is made.
    ParamConfig config = state.startup.config;
    const bool withPackage =
        LoadFeatureFlags(state.startup.settingsFolder, config, files).verison_origdirfile == 1;
    std::string number;
    const FinishOutcome outcome =
        IsUsableOrderNumber(job)
            ? FinishPendingOrder(files, config.dir, job, withPackage, &number)
            : FinishOutcome::kNotPending;
    switch (outcome) {
        case FinishOutcome::kFinished:
            *told = "order " + number + " of job " + job + " finished";
            return true;
        case FinishOutcome::kNotPending:
            *told = "job " + job + ": no order of it is left pending";
            break;
        case FinishOutcome::kNoNumber:
            *told = "job " + job + ": the back office has no order of it; place it again";
            break;
        case FinishOutcome::kHeld:
            *told = "job " + job + ": a running station holds it";
            break;
        case FinishOutcome::kNotWritten:
            *told = "job " + job + ": its order files cannot be written";
            break;
    }
    return false;
}

int StationTools::JobOrderTag(const std::string& localId) {
    const ProcessState& state = Process();
    if (!IsUsableOrderNumber(localId)) return -1;
    const std::string section = JobSection(MachineServices().files, state.startup.config.dir,
                                           state.startup.date.dateStr, localId);
    char* end = nullptr;
    const long tag = std::strtol(section.c_str(), &end, 10);
    return section.empty() || *end != '\0' || tag < 0 ? -1 : static_cast<int>(tag);
}

}  // namespace orelle
