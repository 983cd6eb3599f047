#include "submit/FinalNotice.h"

namespace orelle {

FinalNotice ComposeFinalNotice(const FinalNoticeFacts& facts) {
    FinalNotice notice{"特别提示：", facts.closingNotice, facts.lines, facts.orderNumber};
    const auto add = [&notice](const std::string& line) {
        if (line.empty()) return;
        notice.text += "\r\n" + line;
        ++notice.lines;
    };
    add(facts.pickupLine);
    if (facts.receiptMissing) add(kReceiptMissingLine);
    add(facts.cardReminder);
    return notice;
}

}  // namespace orelle
