#pragma once
// Four print sizes with prices, held in memory, and a way to add photos of
// them to a list: the order texts' tests share it.
//   0 "5寸"    C5   0.80 / 0.60
//   1 "A4"     A4   1.00 / 0.80      (a name of 2 bytes)
//   2 "大6寸"  C6D  1.20 / 0.90
//   3 "大六寸" C6L  12.50 / 10.00    (a name of 6 bytes)

#include <memory>
#include <string>

#include "orderdata/PhotoList.h"
#include "orderdata/PrintCatalogue.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

namespace orelle::testing {

// Counts the reads of the price file: one is one price lookup.
class PriceCountingFiles : public MemoryFileSystem {
  public:
    bool ReadFile(const std::string& path, std::string* contents) override {
        if (path == PricesIniPath(kFolder)) ++priceReads;
        return MemoryFileSystem::ReadFile(path, contents);
    }
    static constexpr const char* kFolder = "/station/";
    int priceReads = 0;
};

struct SmallCatalogue {
    SmallCatalogue() {
        files.files[PrintsIniPath(PriceCountingFiles::kFolder)] = GbkText(
            "[prints]\r\nprintsnumb=4\r\n[1]\r\npcode=C5\r\nname=5寸\r\n[2]\r\npcode=A4\r\n"
            "name=A4\r\n[3]\r\npcode=C6D\r\nname=大6寸\r\n[4]\r\npcode=C6L\r\nname=大六寸\r\n");
        files.files[PricesIniPath(PriceCountingFiles::kFolder)] = GbkText(
            "[C5]\r\nprice=0.80\r\nprice1=0.60\r\n[A4]\r\nprice=1.00\r\nprice1=0.80\r\n"
            "[C6D]\r\nprice=1.20\r\nprice1=0.90\r\n[C6L]\r\nprice=12.50\r\nprice1=10.00\r\n");
        catalogue.LoadCatalogue(PriceCountingFiles::kFolder, files);
        files.priceReads = 0;
    }

    // A photo the customer has seen, unless browsed is 0.
    PhotoRecord& Add(std::int32_t specIndex, std::int32_t number, std::int32_t browsed = 1) {
        auto r = std::make_unique<PhotoRecord>();
        r->srcName = "/job/IMG_" + std::to_string(list.GetSize()) + ".jpg";
        r->dstName = "IMG_" + std::to_string(list.GetSize()) + ".jpg";
        r->origPath = "/card" + r->srcName;
        r->specIndex = specIndex;
        r->productID = catalogue.GetCode(specIndex);
        r->number = number;
        r->bBrowsed = browsed;
        PhotoRecord& added = *r;
        list.Append(std::move(r));
        return added;
    }

    PriceCountingFiles files;
    PrintCatalogue catalogue;
    PhotoList list;
};

}  // namespace orelle::testing
