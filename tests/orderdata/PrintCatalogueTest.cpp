#include "orderdata/PrintCatalogue.h"

#include <gtest/gtest.h>

#include "orderdata/PaperSettings.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::GbkText;
using testing::MemoryFileSystem;

class PrintCatalogueTest : public ::testing::Test {
  protected:
    void Load(const std::string& prints, const std::string& prices = "") {
        fs.files[PrintsIniPath("/p/")] = GbkText(prints);
        fs.files[PricesIniPath("/p/")] = GbkText(prices);
        catalogue.LoadCatalogue("/p/", fs);
    }
    MemoryFileSystem fs;
    PrintCatalogue catalogue;
};

TEST_F(PrintCatalogueTest, MissingSectionsGiveEmptyEntriesAndOutsideIndexesNothing) {
    Load(
        "[prints]\nprintsnumb=3\n[1]\npcode=C6\nname=6寸\nx=6\ny=4.5\npixelX=1800\npixelY=1350\n"
        "[3]\npcode=C7\nx=abc\n");
    ASSERT_EQ(catalogue.GetCount(), 3);
    EXPECT_EQ(catalogue.GetName(0) + "|" + catalogue.GetCode(1) + "|" + catalogue.GetCode(2),
              "6寸||C7");
    float x = -9, y = -9;
    catalogue.GetInches(0, x, y);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(6.0f, 4.5f));
    catalogue.GetInches(2, x, y);
    EXPECT_EQ(x, 0.0f);  // "abc"
    EXPECT_EQ(catalogue.At(0)->pixelX, 1800);
    // Indexes outside the catalogue give nothing.
    x = 1.5f, y = 2.5f;
    for (std::int32_t index : {5, 3, -1, -2147483647 - 1}) {
        EXPECT_EQ(catalogue.GetName(index) + catalogue.GetCode(index), "") << index;
        EXPECT_EQ(catalogue.At(index), nullptr);
        catalogue.GetInches(index, x, y);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(1.5f, 2.5f));
    }
}

TEST_F(PrintCatalogueTest, BadCountsAndOverlongTextsStayWithinBounds) {
    // A count of 50 with three sections: 50 entries, 47 of them empty.
    Load("[prints]\nprintsnumb=50\n[1]\npcode=A\n[2]\npcode=B\n[3]\npcode=C\n");
    EXPECT_EQ(catalogue.GetCount(), 50);
    EXPECT_EQ(catalogue.GetCode(49), "");
    Load("[prints]\nprintsnumb=-3\n");
    EXPECT_EQ(catalogue.GetCount(), 0);
    Load("[prints]\nprintsnumb=999999999\n");
    EXPECT_EQ(catalogue.GetCount(), kMaxListedEntries);
    // Fields are cut at a character boundary to 9 and 21 GBK bytes.
    Load("[prints]\nprintsnumb=1\n[1]\npcode=ABCDEFGHIJKL\nname=一二三四五六七八九十十一\n");
    EXPECT_EQ(catalogue.GetCode(0) + "|" + catalogue.GetName(0), "ABCDEFGHI|一二三四五六七八九十");
}

TEST_F(PrintCatalogueTest, PricesAreReadAtEveryLookup) {
    Load("[prints]\nprintsnumb=2\n[1]\npcode=C6\n[2]\npcode=C6\n",
         "[C6]\nprice=1.20\nprice1=0.8\n[BAD]\nprice=-5\nprice1=1e30\n[HALF]\nprice=2\n");
    double price = -1;
    EXPECT_DOUBLE_EQ(catalogue.GetPrices("c6", price), 0.8);  // section names ignore case
    EXPECT_DOUBLE_EQ(price, 1.2);
    for (const char* code : {"NONE", "BAD", "HALF"}) {
        const Prices p = catalogue.GetPrices(code);
        EXPECT_DOUBLE_EQ(p.price1, 0.0) << code;
        if (code[0] != 'H') {
            EXPECT_DOUBLE_EQ(p.price, 0.0) << code;
        }
    }

    fs.files[PricesIniPath("/p/")] = GbkText("[C6]\nprice=3\nprice1=2\n");
    EXPECT_DOUBLE_EQ(catalogue.GetPrices("C6").price, 3.0);
    EXPECT_DOUBLE_EQ(PrintCatalogue().GetPrices("C6").price1, 0.0) << "never loaded";
}

}  // namespace
}  // namespace orelle
