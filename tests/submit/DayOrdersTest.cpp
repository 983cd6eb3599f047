// The counter's list of a day: jobs of two stations, placed, not placed, and
// taken by the back office with files not written.

#include <gtest/gtest.h>

#include "orderdata/PrintCatalogue.h"
#include "platform/files/FileSystem.h"
#include "submit/BackOfficeRecord.h"
#include "submit/DayOrders.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::GbkText;
using testing::WriteBytes;

std::string Section(int id, const std::string& sale, const std::string& store, bool placed) {
    return "[" + std::to_string(id) + "]\nsaleDDH=" + sale + "\nstoreDDH=" + store +
           "\nbSuccess=" + (placed ? "-1" : "0") + "\nsubmitdate=2026-12-9\nsubmittime=9:5:3\n";
}

std::string JobFile(const std::string& member) {
    return "[orderinfo]\nuser=" + member +
           "\n[photoid]\nphotonumb=3\n"
           "[1]\nproductID=P5\nnumber=2\nbBrowsed=1\nspecIndex=-1\n"
           "[2]\nproductID=P6\nnumber=1\nbBrowsed=1\nspecIndex=-1\n"
           "[3]\nproductID=P5\nnumber=3\nbBrowsed=1\nspecIndex=-1\n";
}

TEST(DayOrders, ListsEveryStationsJobsWithTheirState) {
    testing::TempFolder root;
    const OrderPaths day{root.path(), "2026-12-9"};
    // Station 01 placed one and has one open; station 02's was taken by
    // the back office but its files failed.
    WriteBytes(day.OrderIni(),
               GbkText("[idcount]\nidmax=4\n" + Section(1, "0020261209001", "0126120901", true) +
                       Section(2, "", "0126120902", false) + Section(3, "", "0226120903", false)));
    for (const char* job : {"0126120901", "0126120902", "0226120903"})
        WriteBytes(day.PhotoIni(job), GbkText(JobFile(std::string("M") + job[1])));
    LocalFileSystem files;
    FileSystem* fs = &files;
    OrderOutcome taken;
    taken.orderNumber = "0020261209003";
    ASSERT_TRUE(BackOfficeRecord(*fs, day.WorkFolder("0226120903")).SaveAcceptedOrder(taken));

    const auto orders = ReadDayOrders(day, *fs, PrintCatalogue());
    ASSERT_TRUE(orders);
    ASSERT_EQ(orders->size(), 3u);
    EXPECT_EQ(OrderLine((*orders)[0]),
              "0126120901  0020261209001  09:05:03  member M1  P5 x5, P6 x1  placed");
    EXPECT_EQ(OrderLine((*orders)[1]),
              "0126120902  -  09:05:03  member M1  P5 x5, P6 x1  not placed");
    EXPECT_EQ(OrderLine((*orders)[2]),
              "0226120903  0020261209003  09:05:03  member M2  P5 x5, P6 x1  not placed, back "
              "office took it, files not written");
    EXPECT_EQ(FindOrder(*orders, " <0020261209003>\n"), &(*orders)[2]);
    EXPECT_EQ(FindOrder(*orders, "0126120902"), &(*orders)[1]);
    EXPECT_EQ(FindOrder(*orders, "99"), nullptr);
}

}  // namespace
}  // namespace orelle
