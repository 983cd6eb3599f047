#pragma once
// Tells the shop when a receipt did not come out. The order stays placed
// either way: the message only asks for the printer to be seen to.

#include "submit/LocalOrderReceipt.h"

namespace orelle {

// A message box without an owner for a missing or failing printer;
// nothing for a printed receipt.
void ReportReceipt(ReceiptOutcome outcome);

}  // namespace orelle
