#include "support/TestDatabase.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>

#include "platform/db/OdbcDatabase.h"

namespace orelle::testing {
namespace {

OdbcSettings ServerSettings(const std::string& database) {
    OdbcSettings s;
    s.driver = "PostgreSQL Unicode";
    s.host = "127.0.0.1," + std::to_string(TestDatabase::ServerPort());
    s.user = "orelle";
    s.password = "orelle-test";
    s.database = database;
    s.loginTimeoutSeconds = 5;
    return s;
}

std::unique_ptr<Database> Connect(const std::string& database) {
    std::string error;
    auto db = OdbcConnector().Connect(ServerSettings(database), &error);
    EXPECT_TRUE(db) << error;
    return db;
}

}  // namespace

int TestDatabase::ServerPort() {
    if (const char* env = std::getenv("ORELLE_TEST_DB_PORT")) return std::atoi(env);
    const char* tmp = std::getenv("TMPDIR");
    std::ifstream in(std::string(tmp ? tmp : "/tmp") + "/orelle-test-database/port");
    int port = 0;
    in >> port;
    return port;
}

TestDatabase::TestDatabase() {
    static std::atomic<int> serial{0};
    name_ = "lumora_t" + std::to_string(getpid()) + "_" + std::to_string(++serial);
    auto admin = Connect("postgres");
    if (!admin) return;
    EXPECT_TRUE(admin->Execute("create database " + name_ + " template lumora", {}));
    own_ = Connect(name_);
}

TestDatabase::~TestDatabase() {
    own_.reset();
    if (auto admin = Connect("postgres"))
        admin->Execute("drop database if exists " + name_ + " with (force)", {});
}

OdbcSettings TestDatabase::Settings() const { return ServerSettings(name_); }

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
