#include "setup/BackOfficeCheck.h"

#include <chrono>

#include "orderdata/FeatureFlags.h"
#include "orderdata/ParamConfig.h"
#include "platform/Services.h"
#include "platform/db/OdbcConnection.h"
#include "setup/SetupProbes.h"
#include "submit/OrderDatabase.h"
#include "submit/ServiceNotice.h"
#include "submit/WebClient.h"
#include "submit/WebLimits.h"

namespace orelle {
namespace {

std::string Seconds(long ms) { return std::to_string((ms + 999) / 1000) + " s"; }

CheckLine CheckWebServer(const char* which, const ParamConfig& config, const HttpLimits& limits,
                         HttpPoster& http) {
    const std::string address = config.web + ":" + std::to_string(config.webport);
    const WebClient client(config, limits, http);
    const auto start = std::chrono::steady_clock::now();
    const std::string reply = FetchServiceNotice(client, {});
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    const std::string topic = std::string("web server ") + which;
    if (!reply.empty())
        return {topic, true, address + " answered in " + std::to_string(ms) + " ms"};
    return {topic, false,
            address + " gave no answer (refused, unreachable or silent; waited " +
                std::to_string(ms) + " ms, time-outs " + Seconds(limits.connectTimeoutMs) + " / " +
                Seconds(limits.totalTimeoutMs) +
                "): check the address in [webserver] of param.ini, the network and the server"};
}

}  // namespace

void CheckBackOffice(const std::string& settingsFolder, const ParamConfig& config,
                     const FeatureFlags& flags, Services& services, std::vector<CheckLine>& out) {
    if (flags.IsWebEdition()) {
        const HttpLimits limits = LoadWebLimits(settingsFolder, services.files);
        out.push_back(CheckWebServer("1", config, limits, services.http));
        ParamConfig second = config;
        second.web = config.web2;
        second.webport = config.webport2;
        out.push_back(CheckWebServer("2", second, limits, services.http));
    } else if (flags.IsDatabaseEdition() && config.insertdb != 0) {
        out.push_back(CheckOrderDatabase(config, services.database));
    } else if (flags.IsDatabaseEdition()) {
        out.push_back({"back office", true,
                       "none: order numbers are made at the station ([other] insertdb=0)"});
    } else {
        out.push_back({"back office", false,
                       "edition " + std::to_string(flags.verison_function) +
                           " has none: set verison_function= in ver_ctrl.ini to 1000 "
                           "(order database) or 2000 (order web server)"});
    }
}

CheckLine CheckOrderDatabase(const ParamConfig& config, DatabaseConnector& connector) {
    const OdbcSettings server = OrderDatabaseSettings(config);
    const std::string where =
        server.user + "@" + server.host + "/" + server.database + " (" + server.driver + ")";
    std::string error;
    const auto db = connector.Connect(server, &error);
    if (!db)
        return {"database", false,
                where + ": no connection: " + error +
                    "; check [dbserver] of param.ini (host, user, password, driver)"};
    std::vector<Database::Row> rows;
    if (!db->Query("select count(*) as n from DB_member", {}, &rows) || rows.empty())
        return {"database", false,
                where +
                    ": connected, but the table DB_member cannot be read: check the "
                    "database= name and the user's rights"};
    return {"database", true,
            where + ": " + OrderDatabase::GetFieldText(rows.front(), "n") + " members"};
}

CheckLine CheckReceiptPrinter(const ParamConfig& config, const FeatureFlags& flags,
                              SetupProbes& probes) {
    if (!flags.IsDatabaseEdition()) return {"receipt", true, "not printed in this edition"};
    if (config.print != 1) return {"receipt", true, "not printed ([printorder] print=0)"};
    const PrinterQueue printer = probes.DefaultPrinter();
    if (printer.name.empty())
        return {"receipt", false,
                "no default printer: set one up in CUPS (lpadmin -d NAME), or set "
                "[printorder] print=0"};
    const std::string problem = QueueProblem(printer);
    if (!problem.empty()) return {"receipt", false, "the default printer's " + problem};
    return {"receipt", true, "default printer " + printer.name + " accepts jobs"};
}

}  // namespace orelle
