#include "submit/OrderDatabase.h"

#include <algorithm>

#include "orderdata/ParamConfig.h"
#include "orderdata/TextCase.h"

namespace orelle {

OdbcSettings OrderDatabaseSettings(const ParamConfig& config) {
    OdbcSettings s;
    s.host = config.dbHost;
    s.user = config.dbUser;
    s.password = config.dbPassword;
    if (!config.dbDriver.empty()) s.driver = config.dbDriver;
    if (!config.dbName.empty()) s.database = config.dbName;
    s.loginTimeoutSeconds = std::clamp(config.dbLoginTimeout, 1, 600);
    return s;
}

OrderDatabase::OrderDatabase(DatabaseConnector& connector, DatabaseErrorBox errorBox)
    : connector_(connector), errorBox_(std::move(errorBox)) {}

void OrderDatabase::Show(const char* text) const {
    if (errorBox_) errorBox_(text);
}

bool OrderDatabase::OpenDatabase(const OdbcSettings& settings) {
    std::string error;
    db_ = connector_.Connect(settings, &error);
    if (db_) return true;
    Show(kDatabaseAccessError);
    return false;
}

std::string OrderDatabase::GetFieldText(const Row& row, const std::string& field) {
    const auto it = row.find(ToLowerAscii(field));
    return it == row.end() ? std::string() : it->second;
}

bool OrderDatabase::Query(const std::string& sql, const std::vector<Value>& values,
                          std::vector<Row>* rows) {
    if (db_ && db_->Query(sql, values, rows)) return true;
    rows->clear();
    Show(kDatabaseQueryError);
    return false;
}

bool OrderDatabase::Execute(const std::string& sql, const std::vector<Value>& values) {
    return db_ && db_->Execute(sql, values);
}

bool OrderDatabase::Begin() { return db_ && db_->Begin(); }
bool OrderDatabase::Commit() { return db_ && db_->Commit(); }
void OrderDatabase::Rollback() {
    if (db_) db_->Rollback();
}
std::optional<std::string> OrderDatabase::CreateId() {
    return db_ ? db_->CreateId() : std::nullopt;
}
void OrderDatabase::SetDeadline(std::chrono::steady_clock::time_point deadline) {
    if (db_) db_->SetDeadline(deadline);
}

}  // namespace orelle
