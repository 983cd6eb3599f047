#include "orderdata/SettingsReport.h"

#include <algorithm>
#include <cstdio>

#include "orderdata/FeatureFlags.h"
#include "orderdata/StartupData.h"
#include "platform/gbk/Gbk.h"
#include "platform/text/NumberText.h"

namespace orelle {
namespace {

std::string EditionName(const FeatureFlags& flags) {
    if (flags.IsDatabaseEdition()) return "order database";
    if (flags.IsWebEdition()) return "order web server";
    return "other (" + std::to_string(flags.verison_function) + ")";
}

}  // namespace

std::string SettingsReport(const StartupData& s, const FeatureFlags& flags) {
    const ParamConfig& c = s.config;
    std::string out;
    out += "settings folder: " + s.settingsFolder + "\n";
    out += "backup root:     " + c.dir + "\n";
    out += "order date:      " + s.date.dateStr + " (order numbers " + s.date.datePrefix + "NNN)\n";
    out += "edition:         " + EditionName(flags) + "\n";
    out += "order server:    " + c.web + ":" + std::to_string(c.webport) + " (second " + c.web2 +
           ":" + std::to_string(c.webport2) + ")\n";
    out += "database:        " + (c.dbHost.empty() ? std::string("(none)") : c.dbHost) + "\n";
    out += "too small below: " +
           (c.mindpi > 0 ? std::to_string(c.mindpi) + " dpi" : std::string("(off)")) + "\n";
    out += "print sizes:     " + std::to_string(s.catalogue.GetCount()) + "\n";
    for (std::int32_t i = 0; i < s.catalogue.GetCount(); ++i) {
        const PrintSpec& spec = *s.catalogue.At(i);
        const Prices p = s.catalogue.GetPrices(spec.pcode);
        char line[256];
        std::snprintf(line, sizeof line, "  %2d  %-6s %s %5s x %-5s in  price %s / %s\n", i,
                      spec.pcode.c_str(), PadToColumns(spec.name, 12).c_str(),
                      text::FixedText(spec.x, 1).c_str(), text::FixedText(spec.y, 1).c_str(),
                      text::FixedText(p.price, 2).c_str(), text::FixedText(p.price1, 2).c_str());
        out += line;
    }
    // param.ini's sections beyond the summary above, one block each.
    out += SettingsSection("quality", {{"mindpi", std::to_string(c.mindpi)}});
    out += SettingsSection("pickup", {{"hours", c.pickup.hours}, {"open", c.pickup.open}});
    out += SettingsSection("receipt", {{"code", c.receiptCode}});
    out += SettingsSection("privacy", {{"idle", std::to_string(c.idle)},
                                       {"keepdays", std::to_string(c.keepdays)},
                                       {"keepunplaced", std::to_string(c.keepunplaced)}});
    out += SettingsSection("crop", {{"faces", std::to_string(c.faces)}});
    out += SettingsSection("recovery", {{"minutes", std::to_string(c.recoveryMinutes)}});
    return out;
}

std::string SettingsSection(const char* section, const std::vector<SettingsKey>& keys) {
    std::string out = "[" + std::string(section) + "]\n";
    for (const SettingsKey& k : keys)
        out +=
            "  " + PadToColumns(k.key, 14) + " " + (k.value.empty() ? "(empty)" : k.value) + "\n";
    return out;
}

std::string PadToColumns(const std::string& text, std::size_t columns) {
    // A GBK byte is a display column: a Chinese character takes two of both.
    const std::size_t width = gbk::Length(text);
    return width >= columns ? text : text + std::string(columns - width, ' ');
}

}  // namespace orelle
