#include "orderdata/ProcessState.h"

#include "platform/clock/Clock.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

void Load(ProcessState& state, const std::string& folder) {
    LoadStartupData(state.startup, folder, FileSystem::Default(), Clock::Default());
    state.orderInfo.paymode = state.startup.config.pay;
}

// Runs while the library is loaded, so that the date is the load date.
const bool kLoadedWithLibrary = (Process(), true);

}  // namespace

ProcessState& Process() {
    static ProcessState* state = [] {
        auto* s = new ProcessState;  // never freed: workers may still run at exit
        Load(*s, paths::ProgramFolder());
        return s;
    }();
    return *state;
}

void ReloadProcessSettings(const std::string& settingsFolder) { Load(Process(), settingsFolder); }

}  // namespace orelle
