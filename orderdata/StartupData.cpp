#include "orderdata/StartupData.h"

#include "orderdata/ParamConfig.h"
#include "platform/clock/Clock.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"

namespace orelle {

void LoadStartupData(StartupData& data, const std::string& settingsFolder, FileSystem& fs,
                     const Clock& clock) {
    data.settingsFolder = paths::WithTrailingSeparator(settingsFolder);
    data.config = LoadParamConfig(data.settingsFolder, fs);
    data.shopContact = data.config.userinfo;
    data.date = OrderDate::From(clock.Now());
    data.catalogue.LoadCatalogue(data.settingsFolder, fs);
}

std::string DefaultSettingsFolder(FileSystem& fs) {
    const std::string program = paths::ProgramFolder();
    if (fs.FileExists(ParamIniPath(program))) return program;
#ifdef ORELLE_SYSTEM_SETTINGS_DIR
    const std::string installed = paths::WithTrailingSeparator(ORELLE_SYSTEM_SETTINGS_DIR);
    if (fs.FileExists(ParamIniPath(installed))) return installed;
#endif
    return program;
}

std::string DefaultSettingsFolder() { return DefaultSettingsFolder(FileSystem::Default()); }

}  // namespace orelle
