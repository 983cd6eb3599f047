// A power cut after any step of placing an order (each write and each
// flush), with either back office, with and without the upload package:
// the restarted station finds the order placed and whole, or not placed
// and places it once more as the same back-office order; and once the
// host has heard of the order, the disk has it.

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "orderdata/OrderFilesRepair.h"
#include "platform/http/HttpPoster.h"
#include "submit/DatabaseOrderBackEnd.h"
#include "submit/OrderDatabaseFixture.h"
#include "submit/WebOrderBackEnd.h"
#include "support/PlacementStation.h"
#include "support/PowerCutFiles.h"
#include "support/StandInServer.h"

namespace orelle {
namespace {

using testing::MemoryFileSystem;
using testing::PlacementStation;

// The order dialog as a member fills it, on the back end given.
struct MemberPrompts : testing::ScriptedOrderPrompts {
    std::optional<OrderOutcome> RunOrderDialog(const OrderRequest& request,
                                               OrderExchange& exchange) override {
        OrderRequest filled = request;
        filled.memberCode = "M100";
        filled.password = "pw1";
        InlineJobContext context;
        context.answer = [](const std::string&) { return true; };
        OrderOutcome out = exchange.BackEnd()->Submit(filled, context);
        return out.placed ? std::optional(out) : std::nullopt;
    }
};

// The shop's back office, web or database, and the orders it booked.
struct BackOffice {
    explicit BackOffice(bool web) {
        if (!web) {
            db = std::make_unique<testing::TestDatabase>();
            testing::OrderDatabaseTest::AddShop(*db);
            servers = testing::OrderDatabaseTest::OrderingInto(*db);
            backEnd = std::make_unique<DatabaseOrderBackEnd>(connector.real, servers,
                                                             FeatureFlags{}, DatabaseErrorBox{});
            return;
        }
        server.Answer("/Lumora/client/statlogin.asp", "status=0%ordermoney=1.5%bfullmoney=0%username=M%");
        server.BookOrders("/Lumora/client/startorder.asp",
                          "status=0%ordermoney=1.5%orderid={orderid}%localid={localid}%");
        servers = testing::ServerAt(server.port());
        client = std::make_unique<WebClient>(servers, HttpLimits{}, HttpPoster::Default());
        backEnd = std::make_unique<WebOrderBackEnd>(*client, servers, 0);
    }
    std::vector<std::string> Orders() const {
        std::vector<std::string> out;
        for (const auto& [local, order] : server.Booked()) out.push_back("00" + order);
        if (db)
            for (const auto& row : db->Rows("select orderid from DB_ordermain"))
                out.push_back(row.at("orderid"));
        return out;
    }

    testing::StandInServer server;
    std::unique_ptr<testing::TestDatabase> db;
    testing::CountedConnector connector;
    ParamConfig servers;
    std::unique_ptr<WebClient> client;
    std::unique_ptr<OrderBackEnd> backEnd;
};

struct Station : PlacementStation {
    Station(bool package, OrderBackEnd* office) : office(office) {
        for (int i = 0; i < 3; ++i) Add(i % 2, 1, "p" + std::to_string(i) + ".jpg");
        state.flags.verison_origdirfile = package ? 1 : 0;
        state.startup.config.print = 1;
    }
    PlacementResult Place(FileSystem& files) {
        // Held here: the placement keeps the services by reference.
        const Services cut = testing::WithFiles(services, files);
        OrderPlacement placement(state, cut, member, host, printers);
        placement.backEnd = office;
        return placement.Run();
    }
    // True when the files show the order placed; then whole, under number.
    bool ShownPlaced(const std::string& number) {
        if (DayValue("bSuccess") != "-1") return false;
        const Profile job(kPhotoIni, memory);
        EXPECT_EQ(std::make_tuple(DayValue("saleDDH"), job.GetString("orderinfo", "saleddh", ""),
                                  job.GetString("orderinfo", "bSuccess", ""),
                                  job.GetInt("photoid", "photonumb", 0)),
                  std::make_tuple(number, number, "1", 3));
        if (state.flags.verison_origdirfile == 1) {
            const std::string package = std::string(kWork) + "/" + number + "/";
            EXPECT_EQ(Read(package + "upfile.pro").size(), 408u * 6);
            EXPECT_EQ(Read(package + "dlfile.pro"), Read(package + "upfile.pro"));
            EXPECT_TRUE(memory.FileExists(package + "lumora.ini"));
        }
        return true;
    }
    MemberPrompts member;
    OrderBackEnd* office;
};

class PowerCutTest : public ::testing::TestWithParam<std::tuple<bool, bool>> {};

TEST_P(PowerCutTest, AfterAnyStepTheOrderIsWholeOrPlacedOnceMore) {
    const auto [web, package] = GetParam();
    if (!web) REQUIRE_TEST_DATABASE();
    int at = 1;
    for (;; ++at) {
        SCOPED_TRACE("power cut after step " + std::to_string(at));
        BackOffice office(web);
        Station station(package, office.backEnd.get());
        testing::PowerCutFiles files(station.memory, at);
        try {
            station.Place(files);
        } catch (const testing::PowerCut&) {
        }
        if (!files.afterCut) break;  // the order took fewer steps

        Station again(package, office.backEnd.get());
        again.memory = *files.afterCut;
        RepairOrderFiles(again.memory, "/backup");  // the start
        const std::vector<std::string> booked = office.Orders();
        if (!again.ShownPlaced(booked.empty() ? "" : booked[0])) {
            EXPECT_TRUE(station.host.calls.empty()) << "the host heard of an order the disk lost";
            ASSERT_EQ(again.Place(again.memory), PlacementResult::kPlaced);
        }
        const std::vector<std::string> orders = office.Orders();
        ASSERT_EQ(orders.size(), 1u);
        EXPECT_TRUE(again.ShownPlaced(orders[0]));
    }
    EXPECT_GE(at, package ? 10 : 6);
}

INSTANTIATE_TEST_SUITE_P(BackOffices, PowerCutTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()));

}  // namespace
}  // namespace orelle
