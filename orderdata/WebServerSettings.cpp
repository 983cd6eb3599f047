#include "orderdata/WebServerSettings.h"

#include <charconv>
#include <vector>

#include "orderdata/FeatureFlags.h"
#include "orderdata/ParamConfig.h"
#include "orderdata/PrintCatalogue.h"
#include "orderdata/TextCase.h"
#include "platform/files/FileSystem.h"
#include "platform/files/PartialFiles.h"
#include "platform/ini/Profile.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

bool EndsWithIni(const std::string& name) {
    return name.size() > 4 && ToLowerAscii(name.substr(name.size() - 4)) == ".ini";
}

// The regular files of one folder, those that keep is true for. A file
// another station is writing is no setting, and it may go while we copy.
template <typename Keep>
bool CopyFiles(const std::string& from, const std::string& to, FileSystem& fs, Keep keep) {
    std::vector<FolderEntry> entries;
    if (!fs.ListFolder(from, &entries) || !fs.CreateDirectories(to)) return false;
    for (const FolderEntry& e : entries) {
        if (e.folder || e.name.rfind(kPartialFilePrefix, 0) == 0 || !keep(e.name)) continue;
        if (!fs.CopyFile(paths::Join(from, e.name), paths::Join(to, e.name))) return false;
    }
    return true;
}

}  // namespace

std::string WebHostRefusal(const char* key, std::string_view host) {
    if (host.find_first_of("/?@") == std::string_view::npos) return {};
    return std::string("网络服务器设置有误:param.ini [webserver] ") + key +
           " 只能是主机名或地址(不能含有/ ? @)";
}

std::string WebHostsRefusal(const ParamConfig& config) {
    std::string refusal = WebHostRefusal("web", config.web);
    return refusal.empty() ? WebHostRefusal("web2", config.web2) : refusal;
}

bool ParseWebServerAddress(std::string_view text, WebServerAddress* address) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0) return false;
    if (!WebHostRefusal("web", text.substr(0, colon)).empty()) return false;
    const std::string_view digits = text.substr(colon + 1);
    int port = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        port < 1 || port > 65535)
        return false;
    address->host = std::string(text.substr(0, colon));
    address->port = port;
    return true;
}

bool CopySettingsForWebServer(const std::string& from, const std::string& to,
                              const WebServerAddress& server, FileSystem& fs) {
    // A relative backup root would lie below the copy and go with it: the
    // copy names the shop's own, resolved against the real settings folder
    // (a relative one too, which the copy's would otherwise be read by).
    const std::string real = fs.ResolvedPath(from);
    if (real.empty()) return false;
    const std::string folder = paths::WithTrailingSeparator(to);
    if (!CopyFiles(real, folder, fs, EndsWithIni)) return false;
    // A folder without a catalogue of its own is copied as it is.
    const std::string catalogue = paths::Join(real, kCatalogueFolder);
    if (fs.DirectoryExists(catalogue) && !CopyFiles(catalogue, folder + kCatalogueFolder, fs,
                                                    [](const std::string&) { return true; }))
        return false;
    const std::string port = std::to_string(server.port);
    const std::string backupRoot = LoadParamConfig(paths::WithTrailingSeparator(real), fs).dir;
    Profile param(ParamIniPath(folder), fs);
    Profile flags(VerCtrlIniPath(folder), fs);
    return param.WriteString("Lumora-backup", "dir", backupRoot) &&
           param.WriteStrings("webserver", {{"web", server.host},
                                            {"webport", port},
                                            {"web2", server.host},
                                            {"webport2", port}}) &&
           flags.WriteString("version_control", "verison_function", std::to_string(kEditionWeb));
}

}  // namespace orelle
