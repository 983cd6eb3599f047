#include "submit/KeptOrder.h"

#include "orderdata/BackOfficeRecord.h"

namespace orelle {

std::optional<OrderOutcome> KeptOrder(BackOfficeRecord* record, const std::string& memberCode) {
    if (!record) return std::nullopt;
    const BackOfficeWord word = record->Read();
    if (!word.Accepted()) return std::nullopt;
    OrderOutcome out;
    out.placed = true;
    out.orderNumber = word.number;
    out.memberCode = word.memberCode.empty() ? memberCode : word.memberCode;
    out.orderMoney = word.orderMoney;
    out.paymentIndex = word.paymentIndex;
    return out;
}

bool KeepOrder(BackOfficeRecord* record, const OrderOutcome& accepted) {
    if (!record) return false;
    BackOfficeWord word = record->Read();
    word.number = accepted.orderNumber;
    word.orderMoney = accepted.orderMoney;
    word.paymentIndex = accepted.paymentIndex;
    word.memberCode = accepted.memberCode;
    return record->Write(word);
}

std::string DrawnNumber(BackOfficeRecord* record) {
    return record ? record->Read().drawn : std::string();
}

bool KeepDrawnNumber(BackOfficeRecord* record, const std::string& number) {
    if (!record) return true;
    BackOfficeWord word = record->Read();
    word.drawn = number;
    return record->Write(word);
}

}  // namespace orelle
