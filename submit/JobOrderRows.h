#pragma once
// The order rows of one job, committed at most once whatever fails. The
// number is drawn once per job and kept in the job's record before the
// rows go out; a later try that finds a kept number asks the database
// for its head first (a COMMIT whose reply was lost may have taken), and
// sends the rows again under that same number only when there is none.
// As the head's orderid is unique, a number never gets two orders.

#include <functional>
#include <string>

#include "submit/OrderRows.h"

namespace orelle {

class BackOfficeRecord;

enum class JobRowsOutcome {
    kCommitted,    // the job's order is in the database, now or from before
    kNoNumber,     // no usable number came
    kNotInserted,  // the rows are not there (rolled back, or not sent)
};

struct JobRows {
    JobRowsOutcome outcome = JobRowsOutcome::kNotInserted;
    std::string number;  // when committed
    double charged = 0;  // the amount of rows committed now; 0 for those of before
};

// order.orderNumber is ignored: the job's number is drawn or kept here.
// A null record keeps nothing (every try draws a number).
JobRows PlaceJobRows(Database& db, OrderRowsInput order, const std::string& computerId,
                     BackOfficeRecord* record, const std::function<bool()>& stopped = {});

}  // namespace orelle
