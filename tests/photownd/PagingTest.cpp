#include "photownd/Paging.h"

#include <gtest/gtest.h>

#include <memory>

#include "orderdata/PhotoList.h"

namespace orelle {
namespace {

void Fill(PhotoList& list, int n) {
    for (int i = 0; i < n; ++i) list.Append(std::make_unique<PhotoRecord>());
}

TEST(Paging, LastPageStartsOnAFullPageBoundary) {
    struct Case {
        int count, first;
        bool moves;
    };
    for (const Case& c :
         {Case{13, 12, true}, Case{12, 6, true}, Case{6, 0, false}, Case{0, 0, false}}) {
        PhotoList list;
        Fill(list, c.count);
        BrowseState b;
        EXPECT_EQ(PageLast(b, list), c.moves) << c.count;
        EXPECT_EQ(b.nFirstIndex, c.first) << c.count;
        if (c.moves) {
            EXPECT_EQ(list.At(0).bBrowsed, 1);
        }
    }
}

TEST(Paging, NextStopsOnTheLastPageAndPreviousAtTheFirst) {
    BrowseState b;
    EXPECT_FALSE(PageDown(b, 0));
    PagePlan(b, 8);
    EXPECT_EQ(b.nShownCells, 6);
    EXPECT_TRUE(PageDown(b, 8));
    EXPECT_EQ(b.nFirstIndex, 6);
    EXPECT_EQ(PagePlan(b, 8).size(), 2u);
    EXPECT_FALSE(PageDown(b, 8)) << "fewer than six shown: the last page";
    EXPECT_TRUE(PageUp(b, 8));
    EXPECT_FALSE(PageUp(b, 8));
    EXPECT_EQ(b.nFirstIndex, 0);
    b.nFirstIndex = 6;
    EXPECT_TRUE(PageFirst(b, 8));
    EXPECT_FALSE(PageFirst(b, 8));
}

TEST(Paging, SinglePhotoViewMovesByOne) {
    PhotoList list;
    Fill(list, 3);
    BrowseState b;
    b.bBigView = true;
    EXPECT_TRUE(PageDown(b, 3));
    EXPECT_TRUE(PageDown(b, 3));
    EXPECT_FALSE(PageDown(b, 3));
    EXPECT_EQ(b.nBigIndex, 2);
    EXPECT_FALSE(PageLast(b, list));
    EXPECT_EQ(list.At(0).bBrowsed, 0) << "no marking in the single-photo view";
    EXPECT_TRUE(PageUp(b, 3));
    EXPECT_TRUE(PageFirst(b, 3));
    EXPECT_EQ(b.nBigIndex, 0);
}

TEST(Paging, ThePageOfAPhotoHoldsIt) {
    struct Case {
        bool big;
        int index, count, first, bigIndex;
    };
    for (const Case& c :
         {Case{false, 8, 11, 6, 0}, Case{false, 12, 13, 12, 0}, Case{false, 5, 11, 0, 0},
          Case{false, 11, 11, 0, 0}, Case{true, 8, 11, 0, 8}, Case{true, -1, 11, 0, 0}}) {
        BrowseState b;
        b.bBigView = c.big;
        PageToPhoto(b, c.index, c.count);
        EXPECT_EQ(std::pair(b.nFirstIndex, b.nBigIndex), std::pair(c.first, c.bigIndex))
            << c.index << " of " << c.count;
    }
}

TEST(Paging, IndexTextCapsAtTheCount) {
    BrowseState b;
    b.nFirstIndex = 6;
    b.nActiveCell = 3;
    EXPECT_EQ(IndexText(b, 8), "当前第8张/总共8张");
    EXPECT_EQ(CurrentIndex(b, 8), -1) << "the active cell is past the short last page";
    b.nActiveCell = 1;
    EXPECT_EQ(IndexText(b, 8), "当前第8张/总共8张");
    EXPECT_EQ(CurrentIndex(b, 8), 7);
    b.bBigView = true;
    b.nBigIndex = 4;
    EXPECT_EQ(IndexText(b, 8), "当前第5张/总共8张");
}

TEST(Paging, ArrowsWrap) {
    EXPECT_EQ(NeighbourCell(5, 1, 6), 0);
    EXPECT_EQ(NeighbourCell(0, -1, 6), 5);
    EXPECT_EQ(NeighbourCell(2, 1, 6), 3);
}

TEST(Paging, AfterADeleteThePageNeverReadsPastTheList) {
    BrowseState b;
    b.bBigView = true;
    b.nActiveCell = 2;
    b.nBigIndex = 4;  // the list had five photos; the last was deleted
    auto plan = PagePlan(b, 4);
    ASSERT_EQ(plan.size(), 1u);
    EXPECT_EQ(plan[0], std::make_pair(2, 3));
    EXPECT_EQ(b.nBigIndex, 3);
    b.nBigIndex = 0;  // the only photo was deleted
    EXPECT_TRUE(PagePlan(b, 0).empty());
    EXPECT_EQ(b.nBigIndex, 0);
    // The only photo of the last page of six deleted: the page is empty.
    b = BrowseState{};
    b.nFirstIndex = 6;
    EXPECT_TRUE(PagePlan(b, 6).empty());
    EXPECT_EQ(b.nShownCells, 0);
    EXPECT_TRUE(PageUp(b, 6));
    EXPECT_EQ(PagePlan(b, 6).size(), 6u);
}

}  // namespace
}  // namespace orelle
