// orelle-db-check: checks the order database settings of a station. Reads
// param.ini's [dbserver] from the settings folder (the program folder
// unless --config DIR), logs in as the station does and counts the
// members; says what failed.

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "orderdata/ParamConfig.h"
#include "platform/Services.h"
#include "platform/db/Database.h"
#include "platform/paths/Paths.h"
#include "submit/OrderDatabase.h"

namespace {

int Check(const std::string& settings) {
    using namespace orelle;
    const Services machine = MachineServices();
    const OdbcSettings server = OrderDatabaseSettings(LoadParamConfig(settings, machine.files));
    std::printf("driver %s, host %s, database %s, user %s, login time-out %d s\n",
                server.driver.c_str(), server.host.c_str(), server.database.c_str(),
                server.user.c_str(), server.loginTimeoutSeconds);
    std::string error;
    const auto db = machine.database.Connect(server, &error);
    if (!db) {
        std::printf("no connection: %s\n", error.c_str());
        return 1;
    }
    std::vector<Database::Row> rows;
    if (!db->Query("select count(*) as n from DB_member", {}, &rows) || rows.empty()) {
        std::printf("connected, but the table DB_member cannot be read\n");
        return 1;
    }
    std::printf("connected: %s members\n", OrderDatabase::GetFieldText(rows.front(), "n").c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string settings = orelle::paths::ProgramFolder();
    if (argc == 3 && std::strcmp(argv[1], "--config") == 0) {
        settings = argv[2];
        if (!settings.empty() && settings.back() != '/') settings += '/';
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: orelle-db-check [--config DIR]\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    return Check(settings);
}
