#include "submit/JobOrderRows.h"

#include <optional>
#include <vector>

#include "orderdata/OrderNumberCheck.h"
#include "submit/BackOfficeRecord.h"

namespace orelle {

JobRows PlaceJobRows(Database& db, OrderRowsInput order, const std::string& computerId,
                     BackOfficeRecord* record, const std::function<bool()>& stopped) {
    std::string number = record ? record->DrawnNumber() : std::string();
    if (!number.empty()) {
        std::vector<Database::Row> heads;
        if (!db.Query("select orderid from DB_ordermain where orderid=?", {number}, &heads))
            return {};
        if (!heads.empty()) return {JobRowsOutcome::kCommitted, number};
    } else {
        const std::optional<std::string> drawn = CreateOrderNumber(db, computerId);
        // A number that cannot name the order's files gets no rows.
        if (!drawn || !IsUsableOrderNumber(*drawn)) return {JobRowsOutcome::kNoNumber, {}};
        if (record && !record->SaveDrawnNumber(*drawn)) return {};
        number = *drawn;
    }
    order.orderNumber = number;
    double charged = 0;
    if (!InsertOrderRows(db, order, stopped, &charged)) return {};
    return {JobRowsOutcome::kCommitted, number, charged};
}

}  // namespace orelle
