#pragma once
// The back office's word on a job as the back ends keep it: an order it
// accepted is written into the job's record before anything else, and a
// later try for the job (this process or the next) completes that order
// instead of booking another. A null record keeps nothing. Worker thread.

#include <optional>
#include <string>

#include "submit/OrderBackEnd.h"

namespace orelle {

// The order the record holds as accepted, as an outcome (its member, else
// memberCode); nothing when it holds none.
std::optional<OrderOutcome> KeptOrder(BackOfficeRecord* record, const std::string& memberCode);

// Keeps an accepted order, a drawn number beside it as it was. False when
// it did not reach the disk, or with no record.
bool KeepOrder(BackOfficeRecord* record, const OrderOutcome& accepted);

// The number drawn for the job and not yet known accepted; empty for none.
std::string DrawnNumber(BackOfficeRecord* record);
// Keeps the number drawn for the job before its rows are sent; false when
// a record is kept and the number did not reach it (then the rows must
// not be sent: the order could not be told from a new one later).
bool KeepDrawnNumber(BackOfficeRecord* record, const std::string& number);

}  // namespace orelle
