#pragma once
// The order database as the station uses it: statements with bound
// values (a quote in a member code can neither break a statement nor add
// one), rows read as trimmed texts, one transaction for an order, and the
// server's order number procedure. The machine's connection comes through
// Qt's ODBC driver; tests stand in any server.

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace orelle {

class Database {
  public:
    // Column names lower-cased; each value trimmed of blanks at both ends,
    // a database NULL as an empty text.
    using Row = std::map<std::string, std::string>;
    // A bound value: text, a whole number or a price.
    using Value = std::variant<std::string, std::int64_t, double>;

    virtual ~Database() = default;

    // sql holds one '?' per value, in order. False when the statement
    // failed; rows then holds nothing.
    virtual bool Query(const std::string& sql, const std::vector<Value>& values,
                       std::vector<Row>* rows) = 0;
    virtual bool Execute(const std::string& sql, const std::vector<Value>& values) = 0;

    virtual bool Begin() = 0;
    virtual bool Commit() = 0;
    virtual void Rollback() = 0;

    // The output parameter "edanhao" (char 20) of the stored procedure
    // DB_createID, trimmed; nothing when the call failed.
    virtual std::optional<std::string> CreateId() = 0;

    // Calls fail once this moment has passed, and one under way is waited
    // for only until then; the connection is then given up, and the server
    // rolls back what it had not committed. None by default.
    virtual void SetDeadline(std::chrono::steady_clock::time_point deadline) { (void)deadline; }
    // The server gave up the last failed call (a statement, the commit, the
    // order number) as a deadlock victim or a serialisation failure: its
    // transaction is rolled back and may be run again. Rollback leaves it.
    virtual bool LastFailureTransient() const { return false; }
};

struct OdbcSettings;

// Opens connections to the order database. One connection serves one
// thread: the one that opened it.
class DatabaseConnector {
  public:
    virtual ~DatabaseConnector() = default;
    // Nothing when the server cannot be reached or refuses the login
    // within the settings' login time-out; error then says why.
    virtual std::unique_ptr<Database> Connect(const OdbcSettings& settings, std::string* error) = 0;

    // Through Qt's ODBC driver.
    static DatabaseConnector& Default();
};

}  // namespace orelle
