#include "photownd/WebPages.h"

#include "orderdata/ParamConfig.h"
#include "platform/gbk/Gbk.h"
#include "platform/registry/Registry.h"
#include "platform/shell/Shell.h"

namespace orelle {

std::string HelpPageAddress(const ParamConfig& config) {
    return "http://" + std::string(kDefaultWebHost) +
           "/netphotoapp/appinterface.asp?clientweb=" + config.web;
}

std::string TopUpPageAddress(const ParamConfig& config) {
    return "http://" + config.web + ":" + std::to_string(config.webport) +
           "/lumora/cmanage/clogin.asp";
}

std::string BrowserCommandLine(std::string_view command, std::string_view address) {
    std::size_t cut = command.find("\"%1\"");
    if (cut == std::string_view::npos) cut = command.find("%1");
    std::string line(command.substr(0, cut));
    line += ' ';
    line += address;
    return line;
}

long GetRegKey(const Registry& registry, unsigned root, std::string_view subkey, std::string& out) {
    out.clear();
    const auto key = static_cast<RegistryRoot>(root);
    if (!registry.KeyExists(key, subkey)) return kRegistryNotFound;
    std::string value;
    registry.Query(key, subkey, Registry::kDefaultValue, value);
    constexpr std::size_t kBuffer = 260;
    out = gbk::CutToBytes(value, kBuffer - 1);
    return kRegistryOk;
}

int GotoURL(const std::string& address, int show, Shell& shell, const Registry& registry) {
    const int opened = shell.Open(address, show);
    if (opened > 32) return opened;
    constexpr auto kClassesRoot = static_cast<unsigned>(RegistryRoot::ClassesRoot);
    std::string pageClass;
    std::string command;
    std::string line;
    if (GetRegKey(registry, kClassesRoot, ".htm", pageClass) == kRegistryOk &&
        GetRegKey(registry, kClassesRoot, pageClass + "\\shell\\open\\command", command) ==
            kRegistryOk) {
        line = BrowserCommandLine(command, address);
    } else {
        line = FallbackBrowserCommand() + address;
    }
    return shell.Run(line, show);
}

}  // namespace orelle
