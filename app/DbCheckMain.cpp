// orelle-db-check: checks the order database settings of a station. Reads
// param.ini's [dbserver] from the settings folder (the station's own
// unless --config DIR), logs in as the station does and counts the
// members; says what failed.

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "ProgramOptions.h"
#include "orderdata/ParamConfig.h"
#include "orderdata/StartupData.h"
#include "platform/Services.h"
#include "platform/db/OdbcConnection.h"
#include "setup/BackOfficeCheck.h"
#include "submit/OrderDatabase.h"

namespace {

const char* const kUsage =
    "usage: orelle-db-check [--config DIR]\n"
    "  logs in to the order database of param.ini's [dbserver] and counts the members\n";

int Check(const std::string& settings) {
    using namespace orelle;
    const Services machine = MachineServices();
    const ParamConfig config = LoadParamConfig(settings, machine.files);
    const OdbcSettings server = OrderDatabaseSettings(config);
    std::printf("driver %s, host %s, database %s, user %s, login time-out %d s\n",
                server.driver.c_str(), server.host.c_str(), server.database.c_str(),
                server.user.c_str(), server.loginTimeoutSeconds);
    const CheckLine line = CheckOrderDatabase(config, machine.database);
    std::printf("%s\n", line.text.c_str());
    return line.ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int code = orelle::app::AnswerStandardOptions(argc, argv, "orelle-db-check", kUsage);
        code >= 0)
        return code;
    std::string settings = orelle::DefaultSettingsFolder();
    if (argc == 3 && std::strcmp(argv[1], "--config") == 0) {
        settings = argv[2];
        if (!settings.empty() && settings.back() != '/') settings += '/';
    } else if (argc != 1) {
        return orelle::app::UsageError(kUsage);
    }
    QCoreApplication app(argc, argv);
    return Check(settings);
}
