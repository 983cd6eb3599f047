#include "orderdata/StartupData.h"

#include "platform/clock/Clock.h"
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

}  // namespace orelle
