#include "support/TestServer.h"

#include <cstdlib>
#include <fstream>

#include "platform/db/OdbcDatabase.h"

namespace orelle::testing {

int TestServerPort() {
    if (const char* env = std::getenv("ORELLE_TEST_DB_PORT")) return std::atoi(env);
    const char* tmp = std::getenv("TMPDIR");
    std::ifstream in(std::string(tmp ? tmp : "/tmp") + "/orelle-test-database/port");
    int port = 0;
    in >> port;
    return port;
}

OdbcSettings TestServerSettings(const std::string& database) {
#ifdef ORELLE_TEST_ODBC_DIR
    // The drivers as the system registers them, but PostgreSQL's without
    // its log of every connection in /tmp.
    static const bool quiet = setenv("ODBCSYSINI", ORELLE_TEST_ODBC_DIR, 0) == 0;
    (void)quiet;
#endif
    OdbcSettings s;
    s.driver = "PostgreSQL Unicode";
    s.host = "127.0.0.1," + std::to_string(TestServerPort());
    s.user = "orelle";
    s.password = "orelle-test";
    s.database = database;
    s.loginTimeoutSeconds = 5;
    return s;
}

bool CreateLumoraCopy(const std::string& name, std::string* error) {
    auto admin = OdbcConnector().Connect(TestServerSettings("postgres"), error);
    if (!admin) return false;
    if (admin->Execute("create database " + name + " template lumora", {})) return true;
    *error = "create database " + name + " failed";
    return false;
}

void DropLumoraCopy(const std::string& name) {
    std::string error;
    if (auto admin = OdbcConnector().Connect(TestServerSettings("postgres"), &error))
        admin->Execute("drop database if exists " + name + " with (force)", {});
}

}  // namespace orelle::testing
