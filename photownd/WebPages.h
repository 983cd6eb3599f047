#pragma once
// The maker's help page and the member top-up page, opened in a browser.

#include <string>
#include <string_view>

namespace orelle {

class Registry;
class Shell;
struct ParamConfig;

std::string HelpPageAddress(const ParamConfig& config);
std::string TopUpPageAddress(const ParamConfig& config);

// Told when no browser shows the page.
inline constexpr const char* kNoBrowserMessage = "无法打开网页,请联系店员";

// GotoURL's answer when a browser shows the page.
inline bool PageShown(int gotoResult) { return gotoResult > 31; }

// The browser's command line from the registry with the address put in
// place of its "%1" (or added at the end).
std::string BrowserCommandLine(std::string_view command, std::string_view address);

// Opens the address with the desktop; failing that, with the browser that
// the registry names for ".htm" pages, or the fallback browser. Returns what
// the last start returned.
int GotoURL(const std::string& address, int show, Shell& shell, const Registry& registry);

// Reads a key's default value, cut to 259 GBK bytes; 0, or the registry's
// error code when the key is missing (out is then empty).
long GetRegKey(const Registry& registry, unsigned root, std::string_view subkey, std::string& out);

}  // namespace orelle
