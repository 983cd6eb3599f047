#pragma once
// The ODBC connection string of the order database. A shop's SQL Server is
// reached through FreeTDS; the tests' server through PostgreSQL's driver.
// The drivers name their keys alike. The login time-out goes to every
// driver as the ODBC attribute SQL_ATTR_LOGIN_TIMEOUT where the connection
// is opened; FreeTDS also takes it as "Timeout" in the string (it ignores
// other names for it), so that difference lives here.

#include <string>

namespace orelle {

struct OdbcSettings {
    std::string driver = "FreeTDS";  // the ODBC driver's registered name
    std::string host;                // "server" or "server,port"
    std::string user;
    std::string password;
    std::string database = "lumora";
    int loginTimeoutSeconds = 10;  // always set: FreeTDS waits minutes without one
};

// Values holding ';', '{', '}', '=' or blanks at their ends are braced, a
// '}' in them doubled, so that no value can add a key.
std::string OdbcValue(const std::string& value);

std::string OdbcConnectionString(const OdbcSettings& settings);

}  // namespace orelle
