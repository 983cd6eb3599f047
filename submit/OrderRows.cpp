#include "submit/OrderRows.h"

#include <cstdlib>
#include <utility>

#include "submit/OrderDatabase.h"

namespace orelle {
namespace {

// The member's price of a product: its own, its class's list price, 1.
bool ProductPrice(Database& db, const std::string& code, const std::string& member,
                  const std::optional<std::string>& column, double* price) {
    std::vector<Database::Row> rows;
    if (!db.Query("select price as money from DB_memprice where pcode=? and memcode=?",
                  {code, member}, &rows))
        return false;
    if (rows.empty() && column &&
        !db.Query("select " + *column + " as money from DB_product where product_code=?", {code},
                  &rows))
        return false;
    const std::string money =
        rows.empty() ? std::string() : OrderDatabase::GetFieldText(rows.front(), "money");
    *price = money.empty() ? 1.0 : std::strtod(money.c_str(), nullptr);
    return true;
}

// The member's row: the one given, else the one found by code (none
// found reads as empty fields).
bool MemberRow(Database& db, const OrderRowsInput& order, Database::Row* member) {
    if (order.member) {
        *member = *order.member;
        return true;
    }
    std::vector<Database::Row> rows;
    if (!db.Query("select * from DB_member where code=?", {order.memberCode}, &rows)) return false;
    if (!rows.empty()) *member = std::move(rows.front());
    return true;
}

}  // namespace

MemberQuery MemberLookupQuery(const std::string& code, const std::string& password,
                              bool checkUser) {
    if (checkUser)
        return {"select * from DB_member where code=? or phone=? or mobile=?", {code, code, code}};
    return {"select * from DB_member where code=? and password=?", {code, password}};
}

bool RefusedMemberCode(const std::string& code) {
    return code.empty() || code.find(' ') != std::string::npos;
}

std::optional<std::string> ClassPriceColumn(const std::string& memberClass) {
    if (memberClass.empty() || memberClass == "0") return std::string("product_price");
    if (memberClass.size() == 1 && memberClass[0] >= '1' && memberClass[0] <= '9')
        return "product_price" + memberClass;
    return std::nullopt;
}

std::string LocalDatabaseOrderNumber(const std::string& computerId, const std::string& localId) {
    return computerId + "20" + localId;
}

std::optional<std::string> CreateOrderNumber(Database& db, const std::string& computerId) {
    std::optional<std::string> id = db.CreateId();
    // A counter the server gave up on in a deadlock is asked once more.
    if (!id && db.LastFailureTransient()) id = db.CreateId();
    if (!id) return std::nullopt;
    return computerId + *id;
}

namespace {

bool InsertRowsOnce(Database& db, const OrderRowsInput& order, const Database::Row& member,
                    const std::optional<std::string>& column, const std::function<bool()>& stopped,
                    double* charged) {
    if (!db.Begin()) return false;
    double total = 0;
    bool ok = db.Execute(
        "insert into DB_ordermain(orderid,usercode,submitdate,mobile,telephone,bshow,address,"
        "require) values(?,?,getdate(),?,?,-1,?,?)",
        {order.orderNumber, order.memberCode, OrderDatabase::GetFieldText(member, "mobile"),
         OrderDatabase::GetFieldText(member, "phone"),
         OrderDatabase::GetFieldText(member, "address"), order.requirement});
    for (const ProductItem& item : ParseProductList(order.productList)) {
        if (!ok) break;
        double price = 1;
        ok = ProductPrice(db, item.code, order.memberCode, column, &price) &&
             db.Execute(
                 "insert into DB_ordermx(orderid,productid,numbers,price,fnumbers) "
                 "values(?,?,?,?,?)",
                 {order.orderNumber, item.code, item.count, price, item.count});
        total += price * static_cast<double>(item.count);
    }
    if (ok && !(stopped && stopped()) && db.Commit()) {
        if (charged) *charged = total;
        return true;
    }
    db.Rollback();
    return false;
}

}  // namespace

bool InsertOrderRows(Database& db, const OrderRowsInput& order,
                     const std::function<bool()>& stopped, double* charged) {
    Database::Row member;
    if (!MemberRow(db, order, &member)) return false;
    const std::optional<std::string> column =
        ClassPriceColumn(OrderDatabase::GetFieldText(member, "class"));
    // Stations ordering at once into one database: a transaction the
    // server gave up in a deadlock runs once more, then fails as any.
    if (InsertRowsOnce(db, order, member, column, stopped, charged)) return true;
    if (!db.LastFailureTransient() || (stopped && stopped())) return false;
    return InsertRowsOnce(db, order, member, column, stopped, charged);
}

}  // namespace orelle
