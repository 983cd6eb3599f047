#pragma once
// The station's connection to the shop's order database for one step: the
// connection settings of param.ini, the two error boxes of the shop's
// station, and the rows read as trimmed texts. Nothing stays connected
// between orders.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/db/Database.h"
#include "platform/db/OdbcConnection.h"

namespace orelle {

struct ParamConfig;

inline constexpr const char* kDatabaseErrorTitle = "error";
inline constexpr const char* kDatabaseAccessError = "database access error!";
inline constexpr const char* kDatabaseQueryError = "database ExecuteSql error!";

// Shows one of the two boxes (titled kDatabaseErrorTitle). A step on a
// worker hands it to the UI thread; it may be empty.
using DatabaseErrorBox = std::function<void(const char* text)>;

// param.ini's [dbserver]: host ("server" or "server,port"), user,
// password; driver (FreeTDS unless named), database ("lumora" unless
// named) and logintimeout (seconds, 1 to 600, 10 unless named).
OdbcSettings OrderDatabaseSettings(const ParamConfig& config);

class OrderDatabase final : public Database {
  public:
    OrderDatabase(DatabaseConnector& connector, DatabaseErrorBox errorBox);

    // Connects; on failure shows "database access error!".
    bool OpenDatabase(const OdbcSettings& settings);
    static std::string GetFieldText(const Row& row, const std::string& field);
    void Close() { db_.reset(); }
    bool IsOpen() const { return db_ != nullptr; }

    // Then it is used as any database. A failed query shows "database
    // ExecuteSql error!" and gives no rows; a failed statement shows
    // nothing.
    bool Query(const std::string& sql, const std::vector<Value>& values,
               std::vector<Row>* rows) override;
    bool Execute(const std::string& sql, const std::vector<Value>& values) override;
    bool Begin() override;
    bool Commit() override;
    void Rollback() override;
    std::optional<std::string> CreateId() override;
    void SetDeadline(std::chrono::steady_clock::time_point deadline) override;
    bool LastFailureTransient() const override { return db_ && db_->LastFailureTransient(); }

  private:
    void Show(const char* text) const;

    DatabaseConnector& connector_;
    DatabaseErrorBox errorBox_;
    std::unique_ptr<Database> db_;
};

}  // namespace orelle
