#include "submit/ReceiptLines.h"

#include <gtest/gtest.h>
#include "platform/gbk/Gbk.h"

#include "support/SmallCatalogue.h"

namespace orelle {
namespace {

using testing::SmallCatalogue;

const std::string kRule(36, '-');

TEST(ProductTable, PadsEachColumnToItsWidth) {
    const struct {
        std::int32_t spec, number;
        const char* paper;
        bool printPrice;
        const char* line;
    } cases[] = {
        // A 2-byte name gets 2 blanks; 12345 fills its column.
        {1, 12345, "", true, "A4(光面)  123451.00   0.80  "},
        // A 6-byte name gets none; prices longer than their column stay whole.
        {3, 3, "", true, "大六寸(光面)3    12.50  10.00 "},
        {0, 2, "", false, "5寸(光面) 2    "},
        {0, 1, "数码", false, "数码5寸(光面) 1    "},
    };
    for (const auto& c : cases) {
        SmallCatalogue job;
        job.Add(c.spec, c.number);
        ReceiptLineList lines;
        GetOrderMxPStr(lines, job.list, job.catalogue,
                       ProductTable{c.paper, "(光面)", c.printPrice});
        ASSERT_GE(lines.size(), 5u) << c.line;
        EXPECT_EQ(lines[3], c.line);
    }
}

TEST(ProductTable, WithPricesHasTheirHeaderAndTotals) {
    SmallCatalogue job;
    job.Add(0, 3);
    job.Add(3, 2);
    job.Add(0, 1);
    ReceiptLineList lines;
    GetOrderMxPStr(lines, job.list, job.catalogue, ProductTable{"", "(绒面)", true});
    const ReceiptLineList expected{kRule,
                                   "产品规格      数量 门市价 会员价",
                                   kRule,
                                   "5寸(绒面) 4    0.80   0.60  ",
                                   "大六寸(绒面)2    12.50  10.00 ",
                                   kRule,
                                   "门市总计:28.20,会员总计:22.40"};
    EXPECT_EQ(lines, expected);
    // One lookup for each size with prints.
    EXPECT_EQ(job.files.priceReads, 2);
}

TEST(ProductTable, WithoutPricesLooksNoPriceUp) {
    SmallCatalogue job;
    job.Add(2, 1);
    ReceiptLineList lines;
    GetOrderMxPStr(lines, job.list, job.catalogue, ProductTable{"", "(光面)", false});
    const ReceiptLineList expected{kRule, "产品规格      数量 ", kRule, "大6寸(光面)1    ", kRule};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(job.files.priceReads, 0);
}

TEST(StrMakeUP, CutsIntoPiecesThatFitTheSlip) {
    const struct {
        std::string text;
        std::vector<std::size_t> pieceBytes;
    } cases[] = {
        {"请调亮", {6}},
        {std::string(30, 'a'), {30}},
        // The character that straddles byte 30 stays whole.
        {std::string(29, 'a') + "请调亮一些", {31, 8}},
        {"一二三四五六七八九十一二三四五六七八九十", {30, 10}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ReceiptLineList lines{"before"};
        StrMakeUP(lines, c.text);
        ASSERT_EQ(lines.size(), c.pieceBytes.size() + 1);
        std::string joined;
        for (std::size_t i = 0; i < c.pieceBytes.size(); ++i) {
            EXPECT_EQ(gbk::Length(lines[i + 1]), c.pieceBytes[i]) << i;
            joined += lines[i + 1];
        }
        EXPECT_EQ(joined, c.text);
    }
}

ReceiptInput Input(bool printPrice, std::int32_t finish, std::string requirement) {
    ReceiptInput in;
    in.orderNumber = "0012345678";
    in.memberCode = "000001";
    in.finish = finish == 0 ? PaperFinish::kGlossy : PaperFinish::kMatte;
    in.time = LocalTime{2026, 3, 7, 9, 5, 0};
    in.requirement = std::move(requirement);
    in.printPrice = printPrice;
    return in;
}

// Without prices or requirement the slip has neither; a requirement of one
// byte is no requirement.
TEST(ReceiptLines, ComeInTheSlipsOrder) {
    SmallCatalogue job;
    job.Add(1, 2);
    EXPECT_EQ(ReceiptLines(Input(true, 1, std::string(45, 'r')), job.list, job.catalogue),
              (ReceiptLineList{"  自助冲印订单",
                                   " ",
                                   "订单号:0012345678",
                                   "会员号:000001",
                                   kRule,
                                   "产品规格      数量 门市价 会员价",
                                   kRule,
                                   "A4(绒面)  2    1.00   0.80  ",
                                   kRule,
                                   "门市总计:2.00,会员总计:1.60",
                                   "纸型选择:绒面",
                                   "时间:2026-3-7 9:5:0",
                                   std::string(30, 'r'),
                                   std::string(15, 'r'),
                                   "此小票为自助冲印订单"}));
    // The table without prices is ProductTable's.
    const ReceiptLineList plain = ReceiptLines(Input(false, 0, "x"), job.list, job.catalogue);
    EXPECT_EQ(ReceiptLineList(plain.end() - 3, plain.end()),
              (ReceiptLineList{"纸型选择:光面", "时间:2026-3-7 9:5:0", "此小票为自助冲印订单"}));
}

}  // namespace
}  // namespace orelle
