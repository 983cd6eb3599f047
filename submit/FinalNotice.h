#pragma once
// The notice that ends a placed order: the order dialog's closing text,
// then the station's own lines (when to come back, a receipt that did not
// come out), and the order number the notice shows as a code to scan.
// Composed here, without windows, so that a line is added in one place.

#include <string>

namespace orelle {

inline constexpr const char* kReceiptMissingLine = "小票未能打印,请凭订单号到柜台取件";

struct FinalNoticeFacts {
    std::string closingNotice;  // the order dialog's
    int lines = 0;              // the lines the closing notice takes
    std::string orderNumber;    // the back office's, else the local one
    std::string pickupLine;     // empty: none
    bool receiptMissing = false;
    std::string cardReminder;   // empty: none
};

struct FinalNotice {
    std::string caption;
    std::string text;
    int lines = 0;
    std::string code;  // what the code beside the number holds; empty: no code
};

FinalNotice ComposeFinalNotice(const FinalNoticeFacts& facts);

}  // namespace orelle
