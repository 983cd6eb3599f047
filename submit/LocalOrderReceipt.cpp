#include "submit/LocalOrderReceipt.h"

#include "orderdata/PaperSettings.h"
#include "orderdata/ProcessState.h"
#include "platform/Services.h"
#include "submit/ReceiptPrinter.h"

namespace orelle {
namespace {

// What the printing service shows as the job's name.
constexpr const char* kDocumentTitle = "Orelle";
// The slip's face; the station maps it to an installed Chinese face.
constexpr const char* kFace = "宋体";

}  // namespace

ReceiptLineList LocalOrderLines(const ProcessState& state, const Services& services,
                                const std::string& orderNumber, PaperFinish finish) {
    const StartupData& startup = state.startup;
    ReceiptInput input;
    input.orderNumber = orderNumber;
    input.memberCode = state.orderInfo.customer.user;
    input.finish = finish;
    input.time = services.clock.Now();
    input.requirement = state.session.OrderRequirement;
    input.paperName =
        OrderPaperName(startup.settingsFolder, state.session.processingNumber, services.files);
    input.printPrice = startup.config.printprice == 1;
    return ReceiptLines(input, state.photoList, startup.catalogue);
}

bool PrintReceiptCopy(ReceiptPrinter& printer, const ReceiptLineList& lines) {
    if (lines.empty()) return !printer.Failed();
    const int heading = printer.AddFontSet(kFace, 14, 20, true);
    printer.SetMargins(5, 1, 10, 10);
    printer.SetLineGap(2);
    printer.StartPage();
    printer.PrintLine(heading, lines.front(), 0);
    const int body = printer.AddFontSet(kFace, 11, 20, false);
    for (std::size_t i = 1; i < lines.size(); ++i) printer.PrintLine(body, lines[i], 0);
    printer.EndPage();
    return !printer.Failed();
}

ReceiptOutcome PrintReceipt(Printers& printers, const ReceiptLineList& lines, int copies,
                            const std::string& pdfPath) {
    if (!pdfPath.empty()) {
        ReceiptPrinter printer(printers.OpenFile(pdfPath));
        printer.StartDocument(kDocumentTitle);
        for (int i = 0; i < copies; ++i) PrintReceiptCopy(printer, lines);
        return printer.EndDocument() ? ReceiptOutcome::kPrinted : ReceiptOutcome::kFailed;
    }
    for (int i = 0; i < copies; ++i) {
        std::unique_ptr<PrintDevice> device = printers.OpenDefault();
        if (!device) return i == 0 ? ReceiptOutcome::kNoPrinter : ReceiptOutcome::kFailed;
        ReceiptPrinter printer(std::move(device));
        printer.StartDocument(kDocumentTitle);
        PrintReceiptCopy(printer, lines);
        if (!printer.EndDocument()) return ReceiptOutcome::kFailed;
    }
    return ReceiptOutcome::kPrinted;
}

ReceiptOutcome PrintLocalOrder(const ProcessState& state, const Services& services,
                               Printers& printers, const std::string& orderNumber,
                               PaperFinish finish, const std::string& pdfPath) {
    const ReceiptLineList lines = LocalOrderLines(state, services, orderNumber, finish);
    const int copies = state.startup.config.printprice == 1 ? 2 : 1;
    return PrintReceipt(printers, lines, copies, pdfPath);
}

}  // namespace orelle
