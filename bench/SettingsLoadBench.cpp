// Loading settings and catalogue as the library does when it is loaded,
// from the shipped files in the program folder.

#include "orderdata/StartupData.h"
#include "platform/Services.h"
#include "platform/paths/Paths.h"
#include "support/Timing.h"

int main() {
    const std::string folder = orelle::paths::ProgramFolder();
    orelle::StartupData data;
    const orelle::Services machine = orelle::MachineServices();
    double t = orelle::bench::MedianSeconds(
        101, [&] { orelle::LoadStartupData(data, folder, machine.files, machine.clock); });
    std::printf("# settings and %d print sizes from %s\n", data.catalogue.GetCount(),
                folder.c_str());
    orelle::bench::Figure("settings_load_ms", t * 1e3, "ms");
    return data.catalogue.GetCount() > 0 ? 0 : 1;
}
