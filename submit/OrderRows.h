#pragma once
// The database steps of placing an order, without a window: the member
// look-up, the order number, and the order's head and lines with their
// prices. The statements are the shop database's; every value is bound.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "orderdata/ProductList.h"
#include "platform/db/Database.h"

namespace orelle {

// The member query: by code, phone or mobile when members are checked
// (verison_ckuser 1), otherwise by code and password.
struct MemberQuery {
    std::string sql;
    std::vector<Database::Value> values;
};
MemberQuery MemberLookupQuery(const std::string& code, const std::string& password, bool checkUser);

// A member code that may not go to the database: empty or holding a blank.
bool RefusedMemberCode(const std::string& code);

// The list price column of a member class: "product_price" for class "0"
// (or none), "product_price1" to "product_price9" for classes 1 to 9;
// nothing for any other class text, which is never pasted into a statement.
std::optional<std::string> ClassPriceColumn(const std::string& memberClass);

// The order number without the database (insertdb 0): computer id, "20",
// the local order id.
std::string LocalDatabaseOrderNumber(const std::string& computerId, const std::string& localId);
// From DB_createID: computer id followed by its output; nothing when the
// call failed (a deadlock of the server's is asked once more).
std::optional<std::string> CreateOrderNumber(Database& db, const std::string& computerId);

struct OrderRowsInput {
    std::string orderNumber;
    std::string memberCode;
    std::string requirement;  // OrderRequirement
    std::string productList;  // ProductList
    // The member's row when the caller has just read it (the login's
    // look-up found it by its code); else it is read by memberCode.
    std::optional<Database::Row> member = std::nullopt;
};
// The head row and one line per product, in one transaction: a failed
// statement, or stopped answering true before the commit, leaves no part
// of the order behind. A transaction the server gave up as a deadlock
// victim or a serialisation failure runs once more. A product's price is the member's own, else its
// class's list price, else 1. *charged, when given, is the order's amount at
// those prices once the rows are committed.
bool InsertOrderRows(Database& db, const OrderRowsInput& order,
                     const std::function<bool()>& stopped = {}, double* charged = nullptr);

}  // namespace orelle
