#pragma once
// The order database through Qt's ODBC driver over unixODBC: FreeTDS to a
// shop's SQL Server, PostgreSQL's driver in the tests. The statements are
// the same for both; the order number procedure is called in ODBC's own
// form, which both servers understand.

#include <memory>
#include <string>

#include "platform/db/Database.h"
#include "platform/db/OdbcConnection.h"

namespace orelle {

class OdbcConnector final : public DatabaseConnector {
  public:
    std::unique_ptr<Database> Connect(const OdbcSettings& settings, std::string* error) override;
};

}  // namespace orelle
