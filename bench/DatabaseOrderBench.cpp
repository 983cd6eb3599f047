// Placing one order of ten print sizes in the database edition against the
// tests' PostgreSQL server on this machine (bench/run starts one when none
// runs): the member look-up, the order number, the head and the ten lines
// in one transaction. Also how many calls reach the server for one order.

#include <unistd.h>
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/jobs/JobContext.h"
#include "submit/MemberLoginDb.h"
#include "support/TestServer.h"
#include "support/Timing.h"
#include "support/WatchedConnector.h"

namespace orelle {
namespace {

constexpr int kOrders = 200;
constexpr int kWarmUp = 10;

// Three sizes at the member's own price, seven at the list price of its
// class: one price query for the first, two for the others.
bool Seed(const OdbcSettings& server) {
    std::string error;
    auto db = OdbcConnector().Connect(server, &error);
    if (!db) {
        std::printf("# %s\n", error.c_str());
        return false;
    }
    bool ok = db->Execute(
        "insert into DB_member(code,password,phone,mobile,name,class,address) values"
        "('M100','pw1','020-1','138001','张三','3','广州路1号')",
        {});
    for (int i = 1; i <= 10; ++i) {
        const std::string code = "P" + std::to_string(100 + i);
        ok = ok && db->Execute(
                       "insert into DB_product(product_code,product_price,product_price3) "
                       "values(?,5,4)",
                       {code});
        if (i <= 3)
            ok = ok && db->Execute("insert into DB_memprice(pcode,memcode,price) values(?,?,3)",
                                   {code, std::string("M100")});
    }
    return ok;
}

MemberLoginInput Order(const OdbcSettings& server) {
    std::string sizes;
    for (int i = 1; i <= 10; ++i) sizes += "P" + std::to_string(100 + i) + ":2/";
    return {.memberCode = "M100",
            .password = "pw1",
            .computerId = "07",
            .localId = "261207001",
            .firstWebHost = {},
            .requirement = "无(光面)",
            .productList = sizes,
            .server = server,
            .record = nullptr};
}

int Run(const OdbcSettings& server) {
    if (!Seed(server)) return 1;
    testing::WatchedConnector connector;
    long calls = 0;
    connector.before = [&](testing::DbCall, const std::string&) { ++calls; };
    const MemberLoginInput in = Order(server);
    const DatabaseErrorBox box = [](const char* text) { std::printf("# box: %s\n", text); };
    InlineJobContext context;
    std::vector<double> times;
    for (int i = 0; i < kWarmUp + kOrders; ++i) {
        if (i == kWarmUp) calls = 0;
        const auto start = std::chrono::steady_clock::now();
        const MemberLoginResult r = MemberLoginDb(in, connector, box, context);
        const double seconds = bench::SecondsSince(start);
        if (!r.ok) {
            std::printf("# order %d failed: %s\n", i, r.status.c_str());
            return 1;
        }
        if (i >= kWarmUp) times.push_back(seconds);
    }
    std::printf(
        "# round trips of the shop's steps: connection 1, member 1, DB_createID 1, member "
        "again 1, head 1, lines 3x2 + 7x3 = 32; here the member is not read again and the "
        "order is one transaction (begin, commit): 33\n");
    bench::Figure("db_order_ms", bench::Median(times) * 1e3, "ms");
    std::printf("figure db_round_trips %ld count\n", calls / kOrders);
    return 0;
}

}  // namespace
}  // namespace orelle

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (orelle::testing::TestServerPort() <= 0) {
        std::printf("# no test database server: scripts/test-database start\n");
        return 1;
    }
    const std::string name = "lumora_bench" + std::to_string(getpid());
    std::string error;
    if (!orelle::testing::CreateLumoraCopy(name, &error)) {
        std::printf("# %s\n", error.c_str());
        return 1;
    }
    const int status = orelle::Run(orelle::testing::TestServerSettings(name));
    orelle::testing::DropLumoraCopy(name);
    return status;
}
