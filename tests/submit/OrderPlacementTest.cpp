#include "submit/OrderPlacement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "orderdata/UploadPackage.h"
#include "platform/imaging/UprightJpeg.h"
#include "platform/ini/Profile.h"
#include "submit/OrderTexts.h"
#include "support/PhonePhotos.h"
#include "support/PlacementStation.h"

namespace orelle {
namespace {

using testing::PlacementStation;

constexpr const char* kConfirmFailed = "订单确认失败!请再点下单按钮";
constexpr const char* kSubmitFailed = "订单提交失败!请再点下单按钮";

struct OnePhoto : PlacementStation {
    OnePhoto() { Add(0, 1, "a.jpg"); }
};
struct TwoPhotos : PlacementStation {
    TwoPhotos() {
        Add(0, 2, "a.jpg");
        Add(1, 1, "b.jpg");
    }
};

class OrderPlacementTest : public ::testing::Test {
  protected:
    std::string Day(const char* key) { return station.DayValue(key); }
    std::string Job(const char* key) {
        return Profile(PlacementStation::kPhotoIni, station.memory)
            .GetString("orderinfo", key, "<none>");
    }
    const OrderRequest& Dialog() { return station.prompts.orderDialogs.back(); }
    // The last notice as "caption|text|lines".
    static std::string Notice(const PlacementStation& s) {
        const testing::ShownNotice& n = s.prompts.notices.back();
        return n.caption + "|" + n.text + "|" + std::to_string(n.lines);
    }

    // The detail text, as OrderTexts makes it.
    static std::string Detail(const PlacementStation& s, std::int32_t countOverride = 0) {
        return BuildStatText(s.state.photoList, s.state.startup.catalogue, false, countOverride)
            .text;
    }

    TwoPhotos station;
    OrderSession& session = station.state.session;
};

TEST_F(OrderPlacementTest, NothingHappensWithoutOrderedPhotosOrProductsOrWhileBusy) {
    PlacementStation unordered;
    unordered.Add(0, 0, "a.jpg");
    unordered.Add(1, 3, "b.jpg").bBrowsed = 0;
    EXPECT_EQ(unordered.Run(), PlacementResult::kNothing);
    EXPECT_TRUE(unordered.prompts.asked.empty());

    station.state.bRefreshing = true;
    EXPECT_EQ(station.Run(), PlacementResult::kNothing);
    station.state.bRefreshing = false;
    session.bPlacing = true;
    EXPECT_EQ(station.Run(), PlacementResult::kNothing);
    EXPECT_EQ(station.OnToxc(), PlacementResult::kNothing);
    EXPECT_TRUE(station.prompts.asked.empty());
    EXPECT_EQ(station.memory.replaceCount, 0);

    // An order without products is refused.
    PlacementStation noProducts;
    noProducts.state.startup.catalogue.LoadCatalogue("/no-catalogue/", noProducts.memory);
    noProducts.Add(0, 2, "a.jpg");
    EXPECT_EQ(noProducts.Run(), PlacementResult::kNothing);
    EXPECT_EQ(noProducts.prompts.asked, std::vector<std::string>{"notice"});
    EXPECT_EQ(noProducts.prompts.notices.back().text,
              "订单中没有可冲印的规格,无法下单!\r\n请联系店员");
    EXPECT_EQ(noProducts.memory.replaceCount, 0);
}

TEST_F(OrderPlacementTest, PlacesTheOrderAndHandsBackToTheHost) {
    station.state.startup.config.print = 1;
    station.prompts.order =
        testing::AcceptedOrder("0020150307001", "请注意!\r\n订单号:<0020150307001>");

    ASSERT_EQ(station.Run(), PlacementResult::kPlaced);

    const std::string detail = Detail(station);
    EXPECT_EQ(station.prompts.asked,
              (std::vector<std::string>{"requirements", "paper", "order", "notice"}));
    EXPECT_EQ(station.prompts.stats, detail);
    EXPECT_EQ(Dialog().summaryText, detail + "\r\n订单要求:\r\n(光面)");
    EXPECT_EQ(Dialog().localId, "150307007");
    ASSERT_EQ(station.prompts.notices.size(), 1u);
    EXPECT_EQ(Notice(station), "特别提示：|请注意!\r\n订单号:<0020150307001>|12");  // 3 + 3 + 6

    // CR and LF each become a blank; the profile read trims the end.
    std::string memo = detail + "\r\n订单要求:\r\n(光面,)";
    std::replace(memo.begin(), memo.end(), '\r', ' ');
    std::replace(memo.begin(), memo.end(), '\n', ' ');
    EXPECT_EQ(Job("memo"), memo);

    ASSERT_EQ(station.prompts.receipts, std::vector<ReceiptOutcome>{ReceiptOutcome::kPrinted});
    EXPECT_EQ(station.printers.log.texts.at(2), "订单号:0020150307001");
    EXPECT_GT(station.printers.log.rects, 0) << "the number's code";
    EXPECT_EQ(station.prompts.codes, std::vector<std::string>{"0020150307001"});
    ASSERT_EQ(station.host.calls.size(), 1u);
    const auto& call = station.host.calls[0];
    EXPECT_EQ(std::tie(call.message, call.wParam, call.lParam), std::make_tuple(4027, 20150307, 7));

    // Once placed, the command only says so.
    station.prompts.asked.clear();
    EXPECT_EQ(station.Run(), PlacementResult::kAlreadyPlaced);
    EXPECT_EQ(station.prompts.asked, std::vector<std::string>{"notice"});
    EXPECT_EQ(Notice(station), "提示|本次制作已经下单|1");
    EXPECT_EQ(station.OnToxc(), PlacementResult::kAlreadyPlaced);
    EXPECT_EQ(station.host.calls.size(), 1u);
}

// What the customer gave the order dialog reaches the order files; a web
// order's payment becomes the next dialog's, a database order keeps the
// payment and the amount it had.
TEST_F(OrderPlacementTest, TheDialogsOutcomeReachesTheOrderFiles) {
    const struct {
        const char* edition;
        OrderMode mode;
        std::optional<int> payment;
        const char* member;
        const char *user, *paymode, *amount, *sendmode;
        std::int32_t nextPay;
    } cases[] = {
        {"2000", OrderMode::kWeb, 0, "8888", "8888", "0", "12.50", "1", 0},
        {"1000", OrderMode::kDatabase, std::nullopt, "", "7777", "2", "0.00", "0", 2},
    };
    for (const auto& c : cases) {
        OnePhoto s;
        s.memory.files[VerCtrlIniPath(PlacementStation::kSettings)] = testing::GbkText(
            std::string("[version_control]\r\nverison_function=") + c.edition + "\r\n");
        s.state.startup.config.pay = 2;
        s.state.orderInfo.paymode = 2;
        s.state.startup.config.userinfo.user = "7777";
        OrderOutcome& o = *s.prompts.order;
        o.memberCode = c.member;
        o.contactName = "王五";
        o.telephone = "5550002";
        o.address = "南门路2号";
        o.mobile = "13800000000";
        o.appointment = "2015-3-7 9:01:01";
        o.pickupPointId = "101";
        o.paymentIndex = c.payment;
        o.orderMoney = 12.5;
        o.delivery = true;
        ASSERT_EQ(s.Run(), PlacementResult::kPlaced) << c.edition;
        EXPECT_EQ(s.prompts.exchangeModes, std::vector<OrderMode>{c.mode});
        EXPECT_EQ(s.prompts.exchangeBackEnds, std::vector<bool>{true});

        const Profile job(PlacementStation::kPhotoIni, s.memory);
        for (const auto& [key, value] :
             std::map<std::string, std::string>{{"saleddh", "0020150307001"},
                                                {"user", c.user},
                                                {"username", "王五"},
                                                {"phone", "5550002"},
                                                {"sendaddr", "南门路2号"},
                                                {"mobile", "13800000000"},
                                                {"bespeak", "2015-3-7 9:01:01"}})
            EXPECT_EQ(job.GetString("orderinfo", key, "<none>"), value) << key;
        for (const auto& [key, value] :
             std::map<std::string, std::string>{{"saleDDH", "0020150307001"},
                                                {"storeid", "101"},
                                                {"paymode", c.paymode},
                                                {"OrderAmount", c.amount},
                                                {"sendmode", c.sendmode}})
            EXPECT_EQ(s.DayValue(key.c_str()), value) << key;
        EXPECT_EQ(s.state.startup.config.pay, c.nextPay);
        // The next customer's order starts without this one's pickup point.
        StartNewOrder(s.state);
        EXPECT_EQ(s.state.orderInfo.storeid + std::to_string(s.state.orderInfo.sendmode), "0");
    }
}

// A missing printer is told of; the order stays placed.
TEST_F(OrderPlacementTest, TheReceiptIsPrintedInTheDatabaseEditionWhenAsked) {
    using R = std::vector<ReceiptOutcome>;
    const struct {
        std::int32_t print, edition;
        bool present;
        R told;
    } cases[] = {{0, kEditionDatabase, true, R{}},
                 {1, kEditionWeb, true, R{}},
                 {1, kEditionDatabase, false, R{ReceiptOutcome::kNoPrinter}}};
    for (const auto& c : cases) {
        OnePhoto s;
        s.state.startup.config.print = c.print;
        s.state.flags.verison_function = c.edition;
        s.printers.present = c.present;
        ASSERT_EQ(s.Run(), PlacementResult::kPlaced);
        EXPECT_EQ(s.prompts.receipts, c.told);
    }
}

// A paused queue gets no slip: the notice sends the customer to the
// counter with the number, and says when to come back.
TEST_F(OrderPlacementTest, TheFinalNoticeTellsWhenToComeAndThatNoSlipCameOut) {
    station.state.startup.config.print = 1;
    station.state.startup.config.pickup = {"2", "09:00-21:00"};
    station.printers.queue = {"receipts", true, 5, {"media-empty-error", "paused"}, ""};
    station.prompts.order = testing::AcceptedOrder("0020150307001", "请注意!");
    ASSERT_EQ(station.Run(), PlacementResult::kPlaced);
    EXPECT_EQ(Notice(station),
              "特别提示：|请注意!\r\n预计 11:06 后可取件\r\n小票未能打印,请凭订单号到柜台取件|14");
    EXPECT_EQ(station.prompts.receipts, std::vector<ReceiptOutcome>{ReceiptOutcome::kNotReady});
    EXPECT_EQ(station.printers.log.opened, 0);
    EXPECT_EQ(station.host.calls.size(), 1u);
}

// The compression rate is asked when the settings say so.
TEST_F(OrderPlacementTest, MatteAppendsZeroToEveryProductCodeAndTheRateIsAskedWhenSet) {
    station.prompts.paper = PaperChoice{PaperFinish::kMatte, 2, "富士"};
    station.state.startup.config.fcompress = 1;
    station.prompts.compressionRate = 95;
    ASSERT_EQ(station.Run(), PlacementResult::kPlaced);
    EXPECT_EQ(station.prompts.asked, (std::vector<std::string>{"requirements", "compression",
                                                               "paper", "order", "notice"}));
    EXPECT_EQ(Job("frate"), "95");
    EXPECT_EQ(Dialog().summaryText.substr(Dialog().summaryText.size() - 8), "(绒面)");
    EXPECT_EQ(Job("productlist"), "P10:2/P20:1/");
    EXPECT_NE(Job("memo").find("(绒面,富士)"), std::string::npos);
    for (std::int32_t i = 0; i < station.state.photoList.GetSize(); ++i)
        EXPECT_EQ(station.state.photoList.At(i).exoch, 1);
    EXPECT_EQ(session.processingNumber, 0);
}

TEST_F(OrderPlacementTest, PackagesAppendThePaperNumberWithoutThePaperDialog) {
    const struct {
        std::int32_t type;
        std::vector<std::string> asked;
        std::int32_t shownCount;
        const char* productList;
    } cases[] = {
        {2, {"package", "requirements", "order", "notice"}, 1, "P11:5/P21:5/"},
        {1, {"requirements", "order", "notice"}, 0, "P11:2/P21:1/"},
    };
    for (const auto& c : cases) {
        TwoPhotos s;
        s.state.session.nOrderType = c.type;
        s.prompts.packageCount = 5;
        ASSERT_EQ(s.Run(), PlacementResult::kPlaced);
        EXPECT_EQ(s.prompts.asked, c.asked);
        EXPECT_NE(s.prompts.stats.find(Detail(s, c.shownCount)), std::string::npos) << c.type;
        EXPECT_EQ(s.prompts.orderDialogs.back().productList, c.productList);
        EXPECT_EQ(s.state.session.processingNumber, 1);
    }
}

TEST_F(OrderPlacementTest, TheTypedRequirementGoesWithTheOrderAndGrowsTheNotice) {
    const std::string typed = std::string(44, 'x') + "一二三四五六七八九十百";  // 44 + 22 bytes
    station.prompts.requirement = typed;
    session.OrderRequirement = "上次的";
    ASSERT_EQ(station.Run(), PlacementResult::kPlaced);
    EXPECT_EQ(station.prompts.currentRequirement, "上次的");
    EXPECT_EQ(Dialog().requirement, typed);
    EXPECT_EQ(Job("requir"), typed);
    // Three detail lines, then 66 / 33 + 3 = 5 more.
    EXPECT_EQ(session.noticeLines, 3 + 5);
    EXPECT_EQ(station.prompts.notices.back().lines, 3 + 5 + 6);
}

TEST_F(OrderPlacementTest, CancelEndsTheCommandWithoutWritingTheOrder) {
    station.prompts.requirement.reset();
    EXPECT_EQ(station.Run(), PlacementResult::kCancelled);
    EXPECT_EQ(station.prompts.asked, std::vector<std::string>{"requirements"});

    station.prompts.requirement = "a b";
    station.prompts.order.reset();
    EXPECT_EQ(station.Run(), PlacementResult::kCancelled);
    EXPECT_EQ(session.OrderRequirement, "a,b");  // kept for the next try
    EXPECT_FALSE(session.bOrderPlaced);
    EXPECT_EQ(station.memory.replaceCount, 0);
    EXPECT_TRUE(station.host.calls.empty());
}

// Writing them again for the same number: OrderPlacementCrashTest.
TEST_F(OrderPlacementTest, FailedFilesOrAFailedPackageAreTold) {
    const struct {
        const char* refused;
        const char* notice;
    } cases[] = {
        {PlacementStation::kPhotoIni, kConfirmFailed},
        {PlacementStation::kOrderIni, kConfirmFailed},
        {"/backup/2015-3-7/150307007/0020150307001/upfile.pro", kSubmitFailed},
    };
    for (const auto& c : cases) {
        OnePhoto s;
        s.state.flags.verison_origdirfile = 1;
        s.memory.refused.insert(c.refused);
        ASSERT_EQ(s.Run(), PlacementResult::kFailed) << c.refused;
        EXPECT_EQ(Notice(s), std::string("特别提示：|") + c.notice + "|2");
        EXPECT_EQ(s.prompts.notices.size(), 1u);  // no order number was shown
    }
}

TEST_F(OrderPlacementTest, NoCopyGoesToTheLabTurned) {
    // The load copies a phone's turned photo as it is; the customer
    // orders before it was turned ahead.
    const std::string turned = testing::CornerJpeg(64, 48, {{0, 274, {}, 6}});
    station.memory.files[station.state.photoList.At(0).srcName] = turned;
    PhotoRecord& own = station.Add(1, 1, "c.jpg");
    own.srcName = "/card/c.jpg";  // used where the customer keeps it
    station.memory.files[own.srcName] = turned;
    station.prompts.order = testing::AcceptedOrder("0020150307001", "");
    ASSERT_EQ(station.Run(), PlacementResult::kPlaced);
    EXPECT_EQ(JpegOrientation(station.memory.files[station.state.photoList.At(0).srcName]), 1);
    EXPECT_EQ(station.memory.files[own.srcName], turned);
}

TEST_F(OrderPlacementTest, AnOrderNumberThatCannotNameFilesIsRefused) {
    station.prompts.order = testing::AcceptedOrder("00/../x", "请注意!");
    station.prompts.albumLogin = AlbumLoginResult{"00/../x", "\\12:Summer/"};
    EXPECT_EQ(station.Run(), PlacementResult::kFailed);
    EXPECT_EQ(station.OnToxc(), PlacementResult::kFailed);
    EXPECT_EQ(station.prompts.notices.back().text, "订单号无效,无法保存订单!\r\n请联系店员");
    EXPECT_EQ(station.memory.replaceCount, 0);
    EXPECT_TRUE(station.host.calls.empty());
}

TEST_F(OrderPlacementTest, ThePackageIsBuiltWithTheOpenedFolder) {
    station.state.flags.verison_origdirfile = 1;
    station.openedFolder = "/media/card/DCIM";
    ASSERT_EQ(station.Run(), PlacementResult::kPlaced);
    UploadPackage package({"/backup", "2015-3-7"}, station.state.orderInfo, station.state.photoList,
                          station.state.dirList, "/media/card/DCIM", station.memory);
    EXPECT_TRUE(package.CheckOrderOk());
    EXPECT_NE(station.Read(package.PackageFolder() + "upfile.pro").find("/DCIM/a.jpg"),
              std::string::npos);
}

TEST_F(OrderPlacementTest, TheClosingNoticeEndsWithTheCardWhileItIsInTheReader) {
    testing::CardReader reader("/media/card");
    station.memory.CreateDirectories("/media/card/DCIM");
    station.openedFolder = "/media/card/DCIM";
    const Services& s = station.services;
    ASSERT_EQ(station.Placement(Services{s.files, reader, s.clock, s.shell, s.registry}).Run(),
              PlacementResult::kPlaced);
    EXPECT_TRUE(Notice(station).ends_with("\r\n请取回您的存储卡|" +
                                          std::to_string(station.state.session.noticeLines + 7)));
}

// The host's keys reach the window while a dialog of the command is open.
class PressingAgain : public testing::ScriptedOrderPrompts {
  public:
    std::function<PlacementResult()> again;
    std::vector<PlacementResult> results;
    std::optional<OrderOutcome> RunOrderDialog(const OrderRequest& input,
                                               OrderExchange& exchange) override {
        results.push_back(again());
        return ScriptedOrderPrompts::RunOrderDialog(input, exchange);
    }
};

TEST_F(OrderPlacementTest, PressingTheOrderKeyDuringTheCommandPlacesOnce) {
    PressingAgain prompts;
    OrderPlacement placement(station.state, station.services, prompts, station.host,
                             station.printers);
    prompts.again = [&] { return placement.Run(); };
    EXPECT_EQ(placement.Run(), PlacementResult::kPlaced);
    EXPECT_EQ(prompts.results, std::vector<PlacementResult>{PlacementResult::kNothing});
    EXPECT_EQ(station.host.calls.size(), 1u);
    EXPECT_FALSE(session.bPlacing);
}

TEST_F(OrderPlacementTest, AnAlbumOrderIsPlacedOnceWithItsAlbum) {
    ASSERT_EQ(station.OnToxc(), PlacementResult::kPlaced);
    EXPECT_EQ(station.prompts.asked,
              (std::vector<std::string>{"albumlogin", "albumchoice", "notice"}));
    EXPECT_EQ(station.prompts.albumList, "\\12:Summer/");
    EXPECT_EQ(Notice(station), "特别提示：|成功提交!请等待上传相册!|2");
    EXPECT_EQ(Day("albumid") + "|" + Day("saleDDH"), "12|0020150307002");
    EXPECT_TRUE(station.state.orderInfo.albumid.empty());
    EXPECT_EQ(station.host.calls.size(), 1u);
}

TEST_F(OrderPlacementTest, AFailedAlbumOrderLeavesNoAlbumForThePrintOrder) {
    station.memory.refused.insert(PlacementStation::kPhotoIni);
    ASSERT_EQ(station.OnToxc(), PlacementResult::kFailed);
    EXPECT_EQ(station.prompts.notices.back().text, kConfirmFailed);
    EXPECT_FALSE(session.bOrderPlaced);
    EXPECT_TRUE(station.host.calls.empty());

    station.memory.refused.clear();
    ASSERT_EQ(station.Run(), PlacementResult::kPlaced);
    EXPECT_EQ(Day("type") + "|" + Day("albumid"), "1|<none>");

    PlacementStation cancelled;
    cancelled.prompts.album.reset();
    EXPECT_EQ(cancelled.OnToxc(), PlacementResult::kCancelled);
    EXPECT_EQ(cancelled.memory.replaceCount, 0);
}

TEST(SetOrderIdTest, OpensTheHostsOrderWithTheTypeOfTheFirstPhoto) {
    const struct {
        const char* firstCode;  // nullptr: no photo
        std::int32_t type;
    } cases[] = {{"A12", 2}, {"B3", 1}, {"P1", 0}, {"", 0}, {nullptr, 0}};
    for (const auto& c : cases) {
        PlacementStation s;
        if (c.firstCode) s.Add(0, 1, "a.jpg").productID = c.firstCode;
        // What the previous order left, placed or numbered for a retry.
        OrderInfo& info = s.state.orderInfo;
        s.state.session.bOrderPlaced = true;
        s.state.session.nOrderType = 1;
        s.state.session.OrderRequirement = info.requir = "x";
        s.state.startup.shopContact.user = "S01";
        info.saleDDH = s.state.session.taken.number = "0020150307001";
        info.albumid = "12";
        info.customer.user = "M01";
        SetOrderID(s.state, "150307015", 15);
        EXPECT_EQ(info.saleDDH + info.requir + info.albumid + s.state.session.taken.number +
                      s.state.session.OrderRequirement,
                  "");
        EXPECT_EQ(info.customer.user + "|" + info.storeDDH, "S01|150307015");
        EXPECT_EQ(s.state.session.nOrderType, c.type) << (c.firstCode ? c.firstCode : "none");
        EXPECT_EQ(info.historyID, 15);
        EXPECT_FALSE(s.state.session.bOrderPlaced);
    }
}

class RecordingUploader : public Uploader {
  public:
    std::vector<std::pair<std::int64_t, std::int64_t>> sent;
    UploaderHandOff NewOrder(std::int64_t w, std::int64_t l) override {
        sent.emplace_back(w, l);
        return UploaderHandOff::kSent;
    }
};

TEST(SendNewOrderTest, GivesTheUploaderTheOrderDateAndTag) {
    PlacementStation s;
    RecordingUploader uploader;
    EXPECT_EQ(SendNewOrder(s.state, uploader), UploaderHandOff::kSent);
    EXPECT_EQ(uploader.sent, (std::vector<std::pair<std::int64_t, std::int64_t>>{{20150307, 7}}));
}

}  // namespace
}  // namespace orelle
