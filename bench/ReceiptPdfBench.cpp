// One receipt slip printed into a PDF file through the printing service,
// from opening the file to the finished document.

#include <cstdio>
#include <string>

#include "platform/print/QtPrinters.h"
#include "submit/LocalOrderReceipt.h"
#include "support/BenchApplication.h"
#include "support/Timing.h"

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    orelle::bench::BenchApplication app(argc, argv);
    const orelle::ReceiptLineList lines{"  自助冲印订单",
                                        " ",
                                        "订单号:0026120701",
                                        "会员号:000001",
                                        std::string(36, '-'),
                                        "产品规格      数量 门市价 会员价",
                                        std::string(36, '-'),
                                        "5寸(光面) 12   0.80   0.60  ",
                                        "6寸(光面) 4    1.00   0.80  ",
                                        std::string(36, '-'),
                                        "门市总计:13.60,会员总计:10.40",
                                        "纸型选择:光面",
                                        "时间:2026-12-7 18:30:5",
                                        "加急,明天下午取",
                                        "此小票为自助冲印订单"};
    const std::string path = scratch + "/receipt.pdf";
    bool ok = true;
    const double seconds = orelle::bench::MedianSeconds(21, [&] {
        ok &= orelle::PrintReceipt(orelle::MachinePrinters(), lines, 1, path) ==
              orelle::ReceiptOutcome::kPrinted;
    });
    orelle::bench::Figure("receipt_pdf_ms", seconds * 1e3, "ms");
    return ok ? 0 : 1;
}
