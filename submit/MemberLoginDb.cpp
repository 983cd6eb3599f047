#include "submit/MemberLoginDb.h"

#include <algorithm>
#include <chrono>

#include "platform/jobs/JobContext.h"
#include "submit/BackOfficeRecord.h"
#include "submit/JobOrderRows.h"
#include "submit/OrderForm.h"

namespace orelle {

std::string MemberConfirmation(const Database::Row& member) {
    const auto field = [&](const char* name) { return OrderDatabase::GetFieldText(member, name); };
    return "请确认会员资料:\r\n会员号:" + field("code") + "\r\n联系人:" + field("name") +
           "\r\n电话:" + field("phone") + "\r\n手机:" + field("mobile") +
           "\r\n如果确认会员资料,请点'是'!";
}

namespace {

// The login may take its time-out, but not past the exchange's end.
OdbcSettings WithinDeadline(OdbcSettings server, std::chrono::steady_clock::time_point deadline) {
    using std::chrono::seconds;
    const auto left = deadline - std::chrono::steady_clock::now();
    if (left < seconds(server.loginTimeoutSeconds)) {
        const auto whole = std::chrono::ceil<seconds>(left).count();
        server.loginTimeoutSeconds = static_cast<int>(std::max<decltype(whole)>(1, whole));
    }
    return server;
}

}  // namespace

MemberLoginResult MemberLoginDb(const MemberLoginInput& in, DatabaseConnector& connector,
                                const DatabaseErrorBox& errorBox, JobContext& ctx) {
    MemberLoginResult result;
    result.memberCode = in.memberCode;
    const auto fail = [&](std::string status) {
        result.status = std::move(status);
        return result;
    };
    if (!in.useDatabase) {
        result.ok = true;
        result.orderNumber = LocalDatabaseOrderNumber(in.computerId, in.localId);
        return result;
    }
    if (RefusedMemberCode(in.memberCode)) return fail(LoginPrompt(in.firstWebHost));

    OrderDatabase db(connector, errorBox);
    if (!db.OpenDatabase(WithinDeadline(in.server, in.deadline)))
        return fail("连接数据库服务器失败!");
    db.SetDeadline(in.deadline);
    const MemberQuery query = MemberLookupQuery(in.memberCode, in.password, in.checkUser);
    std::vector<Database::Row> members;
    if (!db.Query(query.sql, query.values, &members) || members.empty())
        return fail("会员号或密码错误!");
    const Database::Row& member = members.front();
    result.memberCode = OrderDatabase::GetFieldText(member, "code");
    if (in.checkUser) {
        // The customer's time to confirm is not the database's.
        const auto asked = std::chrono::steady_clock::now();
        if (!ctx.Ask(MemberConfirmation(member))) return fail(LoginPrompt(in.firstWebHost));
        if (in.deadline != std::chrono::steady_clock::time_point::max())
            db.SetDeadline(in.deadline + (std::chrono::steady_clock::now() - asked));
    }
    if (ctx.Stopped()) return fail({});

    // The member just found is the one the order is written for.
    const JobRows rows =
        PlaceJobRows(db, {{}, result.memberCode, in.requirement, in.productList, member},
                     in.computerId, in.record.get(), [&] { return ctx.Stopped(); });
    if (rows.outcome == JobRowsOutcome::kNoNumber) return fail("生成订单号失败");
    if (rows.outcome != JobRowsOutcome::kCommitted) return fail("插入订单号失败");
    OrderOutcome accepted;
    accepted.orderNumber = rows.number;
    accepted.memberCode = result.memberCode;
    accepted.orderMoney = rows.charged;
    if (in.record) in.record->SaveAcceptedOrder(accepted);
    result.ok = true;
    result.orderNumber = rows.number;
    result.charged = rows.charged;
    return result;
}

}  // namespace orelle
