#pragma once
// The tests' PostgreSQL server (scripts/test-database) without a test
// framework, for the tests and the benchmarks: its port, what reaches one
// of its databases, and copies of "lumora" with the shop's tables.

#include <string>

#include "platform/db/OdbcConnection.h"

namespace orelle::testing {

// From ORELLE_TEST_DB_PORT, else from the running server's state; 0 when
// none runs.
int TestServerPort();

// What the station is given to reach that database on the server.
OdbcSettings TestServerSettings(const std::string& database);

// A new database of that name made from "lumora"; false (error says why)
// when the server refused it.
bool CreateLumoraCopy(const std::string& name, std::string* error);
// Drops it, connections and all.
void DropLumoraCopy(const std::string& name);

}  // namespace orelle::testing
