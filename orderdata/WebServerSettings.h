#pragma once
// A private copy of the station's settings whose web edition talks to one
// order web server, so that a shop's own settings are never changed to try
// a server out.

#include <string>
#include <string_view>

namespace orelle {

class FileSystem;
struct ParamConfig;

struct WebServerAddress {
    std::string host;
    int port = 0;
};

// A web host setting is a host name or address only: "/", "?" or "@" in
// it would change the port or the path of every request. The refusal that
// names the setting (key: "web" or "web2"), or empty for a usable host.
std::string WebHostRefusal(const char* key, std::string_view host);
// The refusal of the first of web and web2 that is not usable, or empty.
std::string WebHostsRefusal(const ParamConfig& config);

// "HOST:PORT": false unless the host is not empty and usable as above and
// the port is 1 to 65535.
bool ParseWebServerAddress(std::string_view text, WebServerAddress* address);

// Copies the ".ini" files of the settings folder `from` and its "sysini"
// folder into `to` (made when missing); in the copy, param.ini names the
// server as both order web servers, the backup root as the shop's
// param.ini resolves it (a relative one against `from` made absolute), and
// ver_ctrl.ini chooses the web edition. False when a file cannot be copied
// or written.
bool CopySettingsForWebServer(const std::string& from, const std::string& to,
                              const WebServerAddress& server, FileSystem& fs);

}  // namespace orelle
