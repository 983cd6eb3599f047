// The receipt slip of the window's job.
#include "orderdata/ProcessState.h"
#include "photownd/PhotoWindow.h"
#include "platform/print/QtPrinters.h"
#include "submit/LocalOrderReceipt.h"
#include "submit/ReceiptNotice.h"

namespace orelle {

bool PhotoWindow::PrintLocalOrder(const std::string& orderNumber, int finish,
                                  const std::string& pdfFile) {
    const ReceiptOutcome outcome =
        orelle::PrintLocalOrder(state_, services_, MachinePrinters(), orderNumber,
                                finish == 0 ? PaperFinish::kGlossy : PaperFinish::kMatte, pdfFile);
    // A file is asked for by a tool, which reports the result itself.
    if (pdfFile.empty()) ReportReceipt(outcome);
    return outcome == ReceiptOutcome::kPrinted;
}

}  // namespace orelle
