#include "support/TestDatabase.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>

#include "platform/db/OdbcDatabase.h"

namespace orelle::testing {

TestDatabase::TestDatabase() {
    static std::atomic<int> serial{0};
    name_ = "lumora_t" + std::to_string(getpid()) + "_" + std::to_string(++serial);
    std::string error;
    if (!CreateLumoraCopy(name_, &error)) {
        ADD_FAILURE() << error;
        return;
    }
    own_ = OdbcConnector().Connect(Settings(), &error);
    EXPECT_TRUE(own_) << error;
}

TestDatabase::~TestDatabase() {
    own_.reset();
    DropLumoraCopy(name_);
}

OdbcSettings TestDatabase::Settings() const { return TestServerSettings(name_); }

void TestDatabase::Run(const std::string& sql) {
    ASSERT_TRUE(own_);
    EXPECT_TRUE(own_->Execute(sql, {})) << sql;
}

std::vector<Database::Row> TestDatabase::Rows(const std::string& sql) {
    std::vector<Database::Row> rows;
    if (!own_) {
        ADD_FAILURE() << "no connection";
        return rows;
    }
    EXPECT_TRUE(own_->Query(sql, {}, &rows)) << sql;
    return rows;
}

void TestDatabase::DropOtherConnections() {
    Run("select pg_terminate_backend(pid) from pg_stat_activity where datname = current_database() "
        "and pid <> pg_backend_pid()");
}

}  // namespace orelle::testing
