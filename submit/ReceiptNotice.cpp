#include "submit/ReceiptNotice.h"

#include "skin/ModalRunner.h"

namespace orelle {

void ReportReceipt(ReceiptOutcome outcome) {
    if (outcome == ReceiptOutcome::kNoPrinter)
        ShowMessage(nullptr, "提示!", "请确认打印机是否正确安装");
    if (outcome == ReceiptOutcome::kFailed)
        ShowMessage(nullptr, "提示!", "小票没有打印完成,请检查打印机");
}

}  // namespace orelle
