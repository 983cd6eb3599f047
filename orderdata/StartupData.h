#pragma once
// What the library reads when it is loaded: param.ini, the print catalogue
// and the order date. Read once, before any window exists; afterwards only
// the order dialog changes a few customer fields in place.

#include <string>

#include "orderdata/OrderDate.h"
#include "orderdata/ParamConfig.h"
#include "orderdata/PrintCatalogue.h"

namespace orelle {

class Clock;
class FileSystem;

struct StartupData {
    std::string settingsFolder;  // with a trailing separator
    ParamConfig config;
    // The contact values as the settings give them: a customer's own,
    // typed into the order dialog, go when the job ends.
    CustomerInfo shopContact;
    OrderDate date;
    PrintCatalogue catalogue;
};

// Reads param.ini and the catalogue of the folder and fixes the order date
// from the clock. Missing files give the defaults.
void LoadStartupData(StartupData& data, const std::string& settingsFolder, FileSystem& fs,
                     const Clock& clock);

// Where the settings are unless a folder is named: the program folder when
// it holds param.ini (a build, a folder copied whole), else the installed
// station's settings folder when that holds one (/etc/orelle/), else the
// program folder. With a trailing separator.
std::string DefaultSettingsFolder(FileSystem& fs);
std::string DefaultSettingsFolder();

}  // namespace orelle
