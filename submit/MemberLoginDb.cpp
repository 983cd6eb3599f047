#include "submit/MemberLoginDb.h"

#include "orderdata/OrderNumberCheck.h"
#include "platform/jobs/JobContext.h"
#include "submit/OrderForm.h"
#include "submit/OrderRows.h"

namespace orelle {

std::string MemberConfirmation(const Database::Row& member) {
    const auto field = [&](const char* name) { return OrderDatabase::GetFieldText(member, name); };
    return "请确认会员资料:\r\n会员号:" + field("code") + "\r\n联系人:" + field("name") +
           "\r\n电话:" + field("phone") + "\r\n手机:" + field("mobile") +
           "\r\n如果确认会员资料,请点'是'!";
}

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
    if (!db.OpenDatabase(in.server)) return fail("连接数据库服务器失败!");
    const MemberQuery query = MemberLookupQuery(in.memberCode, in.password, in.checkUser);
    std::vector<Database::Row> members;
    if (!db.Query(query.sql, query.values, &members) || members.empty())
        return fail("会员号或密码错误!");
    const Database::Row& member = members.front();
    result.memberCode = OrderDatabase::GetFieldText(member, "code");
    if (in.checkUser && !ctx.Ask(MemberConfirmation(member)))
        return fail(LoginPrompt(in.firstWebHost));
    if (ctx.Stopped()) return fail({});

    const auto number = CreateOrderNumber(db, in.computerId);
    // A number that cannot name the order's files gets no rows.
    if (!number || !IsUsableOrderNumber(*number)) return fail("生成订单号失败");
    // The member just found is the one the order is written for.
    const OrderRowsInput rows{*number, result.memberCode, in.requirement, in.productList, member};
    if (!InsertOrderRows(db, rows, [&] { return ctx.Stopped(); })) return fail("插入订单号失败");
    result.ok = true;
    result.orderNumber = *number;
    return result;
}

}  // namespace orelle
