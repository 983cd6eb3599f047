#pragma once
// The set-up check's questions to the back office and the receipt printer,
// each harmless: the service notice of each order web server, a count of
// the order database's members, the default printer's state.

#include <string>
#include <vector>

#include "setup/SetupCheck.h"

namespace orelle {

class DatabaseConnector;
class SetupProbes;
struct FeatureFlags;
struct ParamConfig;
struct Services;

// The edition's back office: both order web servers, or the order
// database when the edition writes orders into it.
void CheckBackOffice(const std::string& settingsFolder, const ParamConfig& config,
                     const FeatureFlags& flags, Services& services, std::vector<CheckLine>& out);

// Logs in to the order database and reads the member table.
CheckLine CheckOrderDatabase(const ParamConfig& config, DatabaseConnector& connector);

// The default printer, when the edition prints a receipt.
CheckLine CheckReceiptPrinter(const ParamConfig& config, const FeatureFlags& flags,
                              SetupProbes& probes);

}  // namespace orelle
