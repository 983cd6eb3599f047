#pragma once
// The order dialog's exchange in the database edition: the member logs in
// against the shop's order database, which gives the order its number and
// keeps its rows; with insertdb 0 the number is made here and nothing
// connects. The database's error boxes are handed to the UI thread.

#include <chrono>
#include <functional>
#include <string>

#include "submit/OrderBackEnd.h"
#include "submit/OrderDatabase.h"

namespace orelle {

struct FeatureFlags;
struct ParamConfig;

class DatabaseOrderBackEnd final : public OrderBackEnd {
  public:
    // showBox shows one error box on the UI thread. The connector must
    // outlive the back end.
    DatabaseOrderBackEnd(DatabaseConnector& connector, const ParamConfig& config,
                         const FeatureFlags& flags, DatabaseErrorBox showBox);

    OrderOutcome Submit(const OrderRequest& request, JobContext& context) override;

    // The whole exchange of one order with the database, the login
    // included; then it is rolled back and told as any failure.
    std::chrono::milliseconds exchangeBound{std::chrono::seconds(30)};

  private:
    DatabaseConnector& connector_;
    OdbcSettings server_;
    bool useDatabase_;
    bool checkUser_;
    std::string computerId_;
    std::string web_;
    DatabaseErrorBox showBox_;
};

}  // namespace orelle
