#include "orderdata/PrintCatalogue.h"

#include "orderdata/PaperSettings.h"
#include "platform/files/FileSystem.h"
#include "platform/ini/Profile.h"
#include "platform/ini/ProfileNumber.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

double SanePrice(double value) {
    return value < 0.0 || value > PrintCatalogue::kMaxPrice ? 0.0 : value;
}

}  // namespace

std::string PrintsIniPath(const std::string& settingsFolder) {
    return paths::Join(paths::Join(settingsFolder, kCatalogueFolder), "prints.ini");
}

std::string PricesIniPath(const std::string& settingsFolder) {
    return paths::Join(paths::Join(settingsFolder, kCatalogueFolder), "prices.ini");
}

void PrintCatalogue::LoadCatalogue(const std::string& settingsFolder, FileSystem& fs) {
    specs_.clear();
    pricesPath_ = PricesIniPath(settingsFolder);
    fs_ = &fs;
    const Profile ini(PrintsIniPath(settingsFolder), fs);
    const std::int32_t count = ClampListCount(ini.GetInt("prints", "printsnumb", 0));
    specs_.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 1; i <= count; ++i) {
        const std::string section = std::to_string(i);
        PrintSpec s;
        s.pcode = ini.GetString(section, "pcode", "", PrintSpec::kPcodeSize);
        s.name = ini.GetString(section, "name", "", PrintSpec::kNameSize);
        s.x = static_cast<float>(ParseDecimal(ini.GetString(section, "x", "")));
        s.y = static_cast<float>(ParseDecimal(ini.GetString(section, "y", "")));
        s.pixelX = ini.GetInt(section, "pixelX", 0);
        s.pixelY = ini.GetInt(section, "pixelY", 0);
        specs_.push_back(std::move(s));
    }
}

const PrintSpec* PrintCatalogue::At(std::int32_t index) const {
    if (index < 0 || index >= GetCount()) return nullptr;
    return &specs_[static_cast<std::size_t>(index)];
}

std::string PrintCatalogue::GetName(std::int32_t index) const {
    const PrintSpec* s = At(index);
    return s ? s->name : std::string();
}

std::string PrintCatalogue::GetCode(std::int32_t index) const {
    const PrintSpec* s = At(index);
    return s ? s->pcode : std::string();
}

void PrintCatalogue::GetInches(std::int32_t index, float& x, float& y) const {
    if (const PrintSpec* s = At(index)) {
        x = s->x;
        y = s->y;
    }
}

Prices PrintCatalogue::GetPrices(const std::string& code) const {
    if (!fs_) return {};
    const Profile ini(pricesPath_, *fs_);
    return {SanePrice(ParseDecimal(ini.GetString(code, "price", "0"))),
            SanePrice(ParseDecimal(ini.GetString(code, "price1", "0")))};
}

double PrintCatalogue::GetPrices(const std::string& code, double& price) const {
    Prices p = GetPrices(code);
    price = p.price;
    return p.price1;
}

}  // namespace orelle
