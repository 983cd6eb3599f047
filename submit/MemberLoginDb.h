#pragma once
// The order dialog's exchange in the database edition, without a window:
// the member look-up, the member's confirmation, the order number and the
// order's rows. Runs on the dialog's worker; the customer's confirmation
// is asked through the job's context, the database's boxes through
// errorBox.

#include <chrono>
#include <memory>
#include <string>

#include "platform/db/OdbcConnection.h"
#include "submit/OrderDatabase.h"

namespace orelle {

class BackOfficeRecord;
class JobContext;

struct MemberLoginInput {
    std::string memberCode;
    std::string password;
    bool checkUser = false;   // verison_ckuser 1: code, phone or mobile, confirmed
    bool useDatabase = true;  // insertdb: 0 places the order without the database
    std::string computerId;
    std::string localId;
    std::string firstWebHost;
    std::string requirement;  // OrderRequirement
    std::string productList;  // ProductList
    OdbcSettings server;
    // The job's record of the back office's word (see JobOrderRows); null
    // keeps nothing.
    std::shared_ptr<BackOfficeRecord> record;
    // The whole exchange ends by then: a call still under way is given up
    // and what was not committed is rolled back.
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
};

struct MemberLoginResult {
    bool ok = false;
    std::string status;       // the status line when not ok
    std::string memberCode;   // the member's stored code (a phone number typed becomes it)
    std::string orderNumber;  // when ok
    double charged = 0;       // the order's amount at the database's prices; 0: not known
};

// The member confirmation asked with checkUser (a Yes/No box "资料提示!").
std::string MemberConfirmation(const Database::Row& member);

// One connection serves the whole exchange. A stop before the order's rows
// are committed leaves none of them behind.
MemberLoginResult MemberLoginDb(const MemberLoginInput& input, DatabaseConnector& connector,
                                const DatabaseErrorBox& errorBox, JobContext& ctx);

}  // namespace orelle
