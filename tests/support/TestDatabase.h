#pragma once
// A database of its own for one test on the tests' PostgreSQL server
// (scripts/test-database): a copy of "lumora" with the shop's tables,
// dropped at the end. Tests run in parallel, each on its own copy.

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/db/Database.h"
#include "platform/db/OdbcConnection.h"
#include "support/TestServer.h"

namespace orelle::testing {

class TestDatabase {
  public:
    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // What the station is given to reach this copy.
    OdbcSettings Settings() const;

    // Statements of the test's own, on a connection of its own; a failure
    // fails the test.
    void Run(const std::string& sql);
    std::vector<Database::Row> Rows(const std::string& sql);
    // Ends every other connection to this copy, as a server going down.
    void DropOtherConnections();

  private:
    std::string name_;
    std::unique_ptr<Database> own_;
};

}  // namespace orelle::testing

// At the start of a test: skips it when no server runs, fails it under CI.
#define REQUIRE_TEST_DATABASE()                                                 \
    do {                                                                        \
        if (::orelle::testing::TestServerPort() > 0) break;                     \
        if (std::getenv("CI")) FAIL() << "no test database server";             \
        GTEST_SKIP() << "no test database server: scripts/test-database start"; \
    } while (false)
