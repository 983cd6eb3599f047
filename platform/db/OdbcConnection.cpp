#include "platform/db/OdbcConnection.h"

namespace orelle {
namespace {

bool NeedsBraces(const std::string& v) {
    return v.find_first_of(";{}=") != std::string::npos ||
           (!v.empty() && (v.front() == ' ' || v.back() == ' '));
}

bool IsFreeTds(const std::string& driver) {
    return driver.find("FreeTDS") != std::string::npos ||
           driver.find("freetds") != std::string::npos;
}

}  // namespace

std::string OdbcValue(const std::string& value) {
    if (!NeedsBraces(value)) return value;
    std::string braced = "{";
    for (char c : value) {
        braced += c;
        if (c == '}') braced += '}';
    }
    return braced + "}";
}

std::string OdbcConnectionString(const OdbcSettings& s) {
    std::string host = s.host;
    std::string port;
    if (const std::size_t comma = host.find(','); comma != std::string::npos) {
        port = host.substr(comma + 1);
        host.resize(comma);
    }
    std::string out = "DRIVER={" + s.driver + "};SERVER=" + OdbcValue(host) + ";";
    if (!port.empty()) out += "PORT=" + OdbcValue(port) + ";";
    out += "DATABASE=" + OdbcValue(s.database) + ";UID=" + OdbcValue(s.user) +
           ";PWD=" + OdbcValue(s.password) + ";";
    if (IsFreeTds(s.driver)) out += "Timeout=" + std::to_string(s.loginTimeoutSeconds) + ";";
    return out;
}

}  // namespace orelle
