#pragma once
// The print sizes of sysini/prints.ini by index, and their prices by product
// code from sysini/prices.ini. Loaded once at library load and unchanged
// afterwards, so any thread may read it; prices are read afresh at every
// lookup so that the shop can change them while the station runs.

#include <cstdint>
#include <string>
#include <vector>

#include "orderdata/PrintSpec.h"

namespace orelle {

class FileSystem;

struct Prices {
    double price = 0.0;
    double price1 = 0.0;
};

class PrintCatalogue {
  public:
    PrintCatalogue() = default;

    // Empties the catalogue and reads entries 1 to printsnumb in file order.
    // An entry whose section is missing is appended empty.
    void LoadCatalogue(const std::string& settingsFolder, FileSystem& fs);

    std::int32_t GetCount() const { return static_cast<std::int32_t>(specs_.size()); }
    // An index outside 0 .. count-1 (also -1, no size) gives an empty text.
    std::string GetName(std::int32_t index) const;
    std::string GetCode(std::int32_t index) const;
    // Leaves x and y unchanged for an index outside the catalogue.
    void GetInches(std::int32_t index, float& x, float& y) const;
    // The entry, or nullptr outside the catalogue.
    const PrintSpec* At(std::int32_t index) const;

    // price1 is the result, price goes to the output; both 0.0 when the code
    // has no section or key. A price that is negative or above kMaxPrice is
    // taken as a typing error in the price file and reads as 0.0.
    double GetPrices(const std::string& code, double& price) const;
    Prices GetPrices(const std::string& code) const;

    static constexpr double kMaxPrice = 100000.0;

    void Append(PrintSpec spec) { specs_.push_back(std::move(spec)); }

  private:
    std::vector<PrintSpec> specs_;
    std::string pricesPath_;
    FileSystem* fs_ = nullptr;
};

// The settings folder's subfolder holding the catalogue.
inline constexpr const char* kCatalogueFolder = "sysini";
std::string PrintsIniPath(const std::string& settingsFolder);
std::string PricesIniPath(const std::string& settingsFolder);

}  // namespace orelle
