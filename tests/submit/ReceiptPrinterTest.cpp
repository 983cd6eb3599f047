#include "submit/ReceiptPrinter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "orderdata/ProcessState.h"
#include "submit/LocalOrderReceipt.h"
#include "support/FakeServices.h"
#include "support/RecordingPrinter.h"
#include "support/SmallCatalogue.h"

namespace orelle {
namespace {

using testing::RecordingPrinters;

const ReceiptLineList kLines{"  自助冲印订单", " ", "订单号:1", "此小票为自助冲印订单"};

TEST(ReceiptPrinter, PlacesLinesByMarginsFontHeightsGapAndPage) {
    const struct {
        int dpi, pageHeight;
        std::vector<std::string> calls;
    } cases[] = {
        // 14 pt = 58 dots, 11 pt = 46, margins 10 and 5 pt = 42 and 21, gap 2 pt = 8.
        {300,
         100000,
         {"doc Orelle", "font 宋体 58 900", "page", "text 42 21   自助冲印订单", "font 宋体 46 400",
          "text 42 87  ", "text 42 141 订单号:1", "text 42 195 此小票为自助冲印订单", "endpage",
          "enddoc"}},
        // At 72 dots an inch a point is a dot. Room above the 1 pt margin
        // for the heading and one line, then two.
        {72,
         40,
         {"doc Orelle", "font 宋体 14 900", "page", "text 10 5   自助冲印订单", "font 宋体 11 400",
          "text 10 21  ", "endpage", "page", "text 10 5 订单号:1",
          "text 10 18 此小票为自助冲印订单", "endpage", "enddoc"}},
    };
    for (const auto& c : cases) {
        RecordingPrinters printers;
        printers.dpi = c.dpi;
        printers.pageHeight = c.pageHeight;
        ASSERT_EQ(PrintReceipt(printers, kLines, 1), ReceiptOutcome::kPrinted);
        EXPECT_EQ(printers.log.calls, c.calls) << c.dpi;
    }
}

TEST(ReceiptPrinter, ALineTallerThanThePageStillComesOut) {
    RecordingPrinters printers;
    printers.pageHeight = 10;
    ASSERT_EQ(PrintReceipt(printers, kLines, 1), ReceiptOutcome::kPrinted);
    EXPECT_EQ(printers.log.texts, kLines);
}

// No printer prints nothing; one that gives up part way is reported, and
// no second copy is tried.
TEST(ReceiptPrinter, AMissingOrFailingPrinterIsReported) {
    RecordingPrinters none, failing;
    none.present = false;
    failing.failFromText = 2;
    EXPECT_EQ(PrintReceipt(none, kLines, 2), ReceiptOutcome::kNoPrinter);
    EXPECT_TRUE(none.log.calls.empty());
    EXPECT_EQ(PrintReceipt(failing, kLines, 2), ReceiptOutcome::kFailed);
    EXPECT_EQ(std::tie(failing.log.documents, failing.log.opened), std::make_tuple(0, 1));
}

TEST(ReceiptPrinter, AFileHoldsEveryCopyFromANewPage) {
    RecordingPrinters printers;
    ASSERT_EQ(PrintReceipt(printers, kLines, 2, "/out/slip.pdf"), ReceiptOutcome::kPrinted);
    EXPECT_EQ(printers.log.pdfPaths, std::vector<std::string>{"/out/slip.pdf"});
    EXPECT_EQ(printers.log.documents, 1);
    EXPECT_EQ(std::count(printers.log.calls.begin(), printers.log.calls.end(), "page"), 2);
    EXPECT_EQ(printers.log.texts.size(), 2 * kLines.size());
}

class LocalOrderReceiptTest : public ::testing::Test {
  protected:
    LocalOrderReceiptTest() {
        state.startup.settingsFolder = testing::PriceCountingFiles::kFolder;
        state.startup.catalogue = job.catalogue;
        job.Add(0, 2);
        state.photoList.AppendFrom(job.list);
        state.session.OrderRequirement = "加急;明天取";
        job.files.files[VerCtrlIniPath(testing::PriceCountingFiles::kFolder)] =
            testing::GbkText("[p2]\r\npapername=富士\r\n");
    }

    testing::SmallCatalogue job;
    testing::FakeServices fakes{job.files, LocalTime{2026, 12, 7, 18, 30, 5}};
    Services& services = fakes.services;
    ProcessState state;
    RecordingPrinters printers;
};

TEST_F(LocalOrderReceiptTest, WithoutPricesPrintsOnceWithPricesTwoWholeCopies) {
    ASSERT_EQ(PrintLocalOrder(state, services, printers, "0026120701", PaperFinish::kMatte),
              ReceiptOutcome::kPrinted);
    EXPECT_EQ(printers.log.documents, 1);
    EXPECT_EQ(printers.log.texts,
              LocalOrderLines(state, services, "0026120701", PaperFinish::kMatte));

    printers = RecordingPrinters();
    state.startup.config.printprice = 1;
    state.session.processingNumber = 2;
    state.photoList.Append(std::make_unique<PhotoRecord>());  // unseen, not counted
    ASSERT_EQ(PrintLocalOrder(state, services, printers, "0026120701", PaperFinish::kGlossy),
              ReceiptOutcome::kPrinted);
    const ReceiptLineList lines =
        LocalOrderLines(state, services, "0026120701", PaperFinish::kGlossy);
    EXPECT_EQ(lines[7], "富士5寸(光面) 2    0.80   0.60  ");
    EXPECT_EQ(lines[11], "时间:2026-12-7 18:30:5");
    EXPECT_EQ(lines[12], "加急;明天取");
    ReceiptLineList twice = lines;
    twice.insert(twice.end(), lines.begin(), lines.end());
    EXPECT_EQ(printers.log.texts, twice);
    EXPECT_EQ(printers.log.documents, 2);
}

}  // namespace
}  // namespace orelle
