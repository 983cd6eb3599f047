// orelle-kiosk run as a shop runs it, unattended: what it orders, where the
// order's files end, and what it says when it cannot go on (the next
// customer never gets the member of the one before).

#include <gtest/gtest.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <filesystem>
#include <regex>
#include <string>

#include "orderdata/OrderDate.h"
#include "platform/ini/Profile.h"
#include "platform/uploader/Uploader.h"
#include "support/KioskRun.h"
#include "support/OrdersOnDisk.h"
#include "support/StandInServer.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle::testing {
namespace {

namespace fs = std::filesystem;

// The photo.ini files below a folder.
std::vector<std::string> PhotoInis(const std::string& root) {
    std::vector<std::string> found;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.path().filename() == "photo.ini") found.push_back(e.path().string());
    return found;
}

// The photos a photo.ini hands to the lab as ordered.
int OrderedPhotos(const std::string& photoIni) {
    const Profile ini(photoIni);
    int ordered = 0;
    const int count = ini.GetInt("photoid", "photonumb", 0);
    for (int i = 1; i <= count; ++i) {
        const std::string section = std::to_string(i);
        if (ini.GetInt(section, "bBrowsed", 0) != 0 && ini.GetInt(section, "number", 0) >= 1)
            ++ordered;
    }
    return ordered;
}

TEST(KioskRunTest, PlaceOrderOrdersEveryPhotoOfTheSampleCard) {
    TempFolder dir;
    ASSERT_EQ(RunKiosk({.args = {dir / "card"}, .program = ORELLE_MAKE_SAMPLES_PATH}).exitCode, 0);
    MakeKioskSettings(dir / "config", dir / "backup", false);
    KioskRun run = MemberOrder(dir / "config", dir / "card/DCIM");
    // Started outside a desktop session, without a display.
    run.env = {{"XDG_RUNTIME_DIR", ""}, {"TMPDIR", dir / "card"}};
    const KioskOutcome out = RunKiosk(run);
    EXPECT_EQ(out.exitCode, 0) << out.output;
    // Only the station's own words, none of Qt's about the machine.
    for (const char* chatter : {"XDG_RUNTIME_DIR", "propagateSizeHints"})
        EXPECT_EQ(out.errors.find(chatter), std::string::npos) << out.errors;
    const std::vector<std::string> inis = PhotoInis(dir / "backup");
    ASSERT_EQ(inis.size(), 1u);
    EXPECT_EQ(OrderedPhotos(inis.front()), 36) << "every page was seen, not the first only";
}

TEST(KioskRunTest, AWebOrderStaysInTheShopsRelativeBackupRoot) {
    for (const bool relativeConfig : {false, true}) {
        SCOPED_TRACE(relativeConfig ? "--config relative" : "--config absolute");
        TempFolder dir;
        WriteJpeg(dir / "card/IMG_0001.JPG", 64, 48);
        MakeKioskSettings(dir / "config", dir / "unused", false);
        Profile(dir / "config/param.ini").WriteString("Lumora-backup", "dir", "orders");
        // The first job of the day in an empty backup root.
        const std::string localId =
            OrderDate::From(Clock::Default().Now()).datePrefix + std::string("001");
        StandInServer server;
        server.Answer("/Lumora/client/statlogin.asp", "status=0%ordermoney=1.5%bfullmoney=0%");
        server.Answer("/Lumora/client/startorder.asp",
                      "status=0%ordermoney=1.5%orderid=123456%localid=" + localId + "%");
        const std::string config = relativeConfig ? std::string("config") : dir / "config";
        const std::string web = "127.0.0.1:" + std::to_string(server.port());
        const KioskOutcome out =
            RunKiosk({.args = {"--config", config, "--folder", dir / "card", "--web", web,
                               "--place-order", "--member", "M01", "--password", "pw"},
                      .workingDirectory = relativeConfig ? dir.path() : ""});
        EXPECT_EQ(out.exitCode, 0) << out.output;
        // The kiosk is gone with its copy of the settings; the order is not.
        const OrdersOnDisk orders = ReadOrdersOnDisk(dir / "config/orders", false);
        EXPECT_EQ(orders.PlacedCount(), 1);
        for (const OrderOnDisk& order : orders.orders)
            EXPECT_EQ(order.faults, std::vector<std::string>{});
    }
}

// The kiosk as the shop's host: each placed order goes to the uploader
// (here listening in the kiosk's temporary folder); a receipt of a job
// counts every page of it.
TEST(KioskRunTest, ThePlacedOrderReachesTheUploaderAndAReceiptCountsTheWholeJob) {
    TempFolder dir;
    for (int i = 0; i < 21; ++i) WriteJpeg(dir / ("card/p" + std::to_string(i) + ".jpg"), 8, 6);
    MakeKioskSettings(dir / "config", dir / "backup", false);
    fs::create_directories(dir / "tmp");
    QLocalServer uploader;
    ASSERT_TRUE(uploader.listen(QString::fromStdString(dir / "tmp/" + kUploaderWindowTitle)));
    KioskRun order = MemberOrder(dir / "config", dir / "card");
    order.env = {{"TMPDIR", dir / "tmp"}};
    EXPECT_FALSE(PlacedOrderNumber(RunKiosk(order)).empty());
    ASSERT_TRUE(uploader.waitForNewConnection(5000));
    QLocalSocket* peer = uploader.nextPendingConnection();
    peer->waitForReadyRead(5000);
    const std::string day = OrderDate::From(Clock::Default().Now()).datePrefix;
    EXPECT_EQ(peer->readAll().toStdString(), "2028 20" + day + " 1\n");
    const std::string pdf = dir / "receipt.pdf";
    RunKiosk(
        {.args = {"--config", dir / "config", "--folder", dir / "card", "--receipt-pdf", pdf}});
    QProcess text;
    text.start("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    EXPECT_TRUE(std::regex_search(text.readAllStandardOutput().toStdString(),
                                  std::regex("寸\\(光面\\) +21\\s")));
}

// After a customer's order with a member, each in a process of its own.
TEST(KioskRunTest, WhatCannotBeDoneIsToldWithAFailingExit) {
    TempFolder dir;
    WriteJpeg(dir / "card/IMG_0001.JPG", 64, 48);
    MakeKioskSettings(dir / "config", dir / "backup", false);
    const auto settings = [&] {
        return ReadBytes(dir / "config/param.ini") + ReadBytes(dir / "config/ver_ctrl.ini");
    };
    const std::string before = settings();
    const KioskOutcome placed = RunKiosk(MemberOrder(dir / "config", dir / "card"));
    EXPECT_FALSE(PlacedOrderNumber(placed).empty()) << placed.output;
    const struct {
        const char* what;
        std::vector<std::string> args;
        const char* told;  // in the output
    } cases[] = {
        {"a receipt into a missing folder",
         {"--folder", dir / "card", "--receipt-pdf", dir / "missing/receipt.pdf"},
         ""},
        {"an order of the next customer, who gave no member",
         {"--folder", dir / "card", "--place-order"},
         "order not placed: 请输入会员号,再按'确定'下单\n"},
        {"an order for a local id that names no job",
         {"--folder", dir / "card", "--place-order", "--member", "M01", "--password", "pw",
          "--order-id", OrderDate::From(Clock::Default().Now()).datePrefix + "999"},
         "names no job of today with its folder and section"},
        {"the same with the host's tag",
         {"--folder", dir / "card", "--place-order", "--member", "M01", "--password", "pw",
          "--order-id", OrderDate::From(Clock::Default().Now()).datePrefix + "999",
          "--order-tag", "999"},
         "order not placed: 本地订单号没有对应的照片目录"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"--config", dir / "config"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const KioskOutcome out = RunKiosk({.args = args});
        EXPECT_EQ(out.exitCode, 1) << c.what;
        EXPECT_NE(out.output.find(c.told), std::string::npos) << c.what << ": " << out.output;
    }
    EXPECT_FALSE(fs::exists(dir / "missing"));
    EXPECT_EQ(settings(), before) << "the settings hold no customer's member";
}

}  // namespace
}  // namespace orelle::testing
