#include "submit/DatabaseOrderBackEnd.h"

#include <chrono>
#include <thread>

#include "orderdata/FeatureFlags.h"
#include "orderdata/ParamConfig.h"
#include "submit/BackOfficeRecord.h"
#include "submit/MemberLoginDb.h"

namespace orelle {

DatabaseOrderBackEnd::DatabaseOrderBackEnd(DatabaseConnector& connector, const ParamConfig& config,
                                           const FeatureFlags& flags, DatabaseErrorBox showBox)
    : connector_(connector),
      server_(OrderDatabaseSettings(config)),
      useDatabase_(config.insertdb != 0),
      checkUser_(flags.verison_ckuser == 1),
      computerId_(config.computerId),
      web_(config.web),
      showBox_(std::move(showBox)) {}

OrderOutcome DatabaseOrderBackEnd::Submit(const OrderRequest& request, JobContext& context) {
    // The database took this job's order on an earlier try: it is that one.
    if (request.record) {
        if (std::optional<OrderOutcome> kept = request.record->AcceptedOrder(request.memberCode))
            return *kept;
    }
    MemberLoginInput in;
    in.memberCode = request.memberCode;
    in.password = request.password;
    in.checkUser = checkUser_;
    in.useDatabase = useDatabase_;
    in.computerId = computerId_;
    in.localId = request.localId;
    in.firstWebHost = web_;
    in.requirement = request.requirement;
    in.productList = request.productList;
    in.server = server_;
    in.record = request.record;
    in.deadline = std::chrono::steady_clock::now() + exchangeBound;
    const DatabaseErrorBox toUi = [this, &context](const char* text) {
        if (showBox_) context.Post([box = showBox_, text] { box(text); });
    };
    const MemberLoginResult r = MemberLoginDb(in, connector_, toUi, context);
    OrderOutcome out;
    out.placed = r.ok;
    out.status = r.status;
    out.orderNumber = r.orderNumber;
    out.memberCode = r.memberCode;
    out.orderMoney = r.charged;
    // The shop's station lets the database settle a moment before closing.
    if (r.ok && useDatabase_) std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return out;
}

}  // namespace orelle
