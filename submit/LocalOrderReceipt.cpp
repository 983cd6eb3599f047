#include "submit/LocalOrderReceipt.h"

#include <algorithm>

#include "orderdata/PaperSettings.h"
#include "orderdata/PickupTime.h"
#include "orderdata/ProcessState.h"
#include "platform/Services.h"
#include "platform/imaging/Code128.h"
#include "platform/imaging/QrCode.h"
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
    input.pickupLine = PickupLine(input.time, startup.config.pickup);
    return ReceiptLines(input, state.photoList, startup.catalogue);
}

ReceiptCodeKind ReceiptCodeKindOf(const std::string& setting) {
    if (setting == "code128") return ReceiptCodeKind::kCode128;
    if (setting == "none") return ReceiptCodeKind::kNone;
    return ReceiptCodeKind::kQr;
}

namespace {

// QR modules of 3 points (about 1 mm); bars of 3/4 point, 28 points tall,
// which keeps a 13-digit number within a 58 mm slip.
void PrintCode(ReceiptPrinter& printer, const ReceiptCode& code) {
    if (code.kind == ReceiptCodeKind::kQr) {
        const int module = printer.DotsX(3);
        printer.PrintModules(QrModules(code.text), module, module, kQrQuietModules);
    } else if (code.kind == ReceiptCodeKind::kCode128) {
        const int bar = std::max(1, printer.DotsX(3) / 4);
        printer.PrintModules(Code128Modules(code.text), bar, printer.DotsY(28),
                             kCode128QuietModules);
    }
}

}  // namespace

bool PrintReceiptCopy(ReceiptPrinter& printer, const ReceiptLineList& lines,
                      const ReceiptCode& code) {
    if (lines.empty()) return !printer.Failed();
    const int heading = printer.AddFontSet(kFace, 14, 20, true);
    printer.SetMargins(5, 1, 10, 10);
    printer.SetLineGap(2);
    printer.StartPage();
    printer.PrintLine(heading, lines.front(), 0);
    const int body = printer.AddFontSet(kFace, 11, 20, false);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        printer.PrintLine(body, lines[i], 0);
        if (i == kOrderNumberLine) PrintCode(printer, code);
    }
    printer.EndPage();
    return !printer.Failed();
}

ReceiptOutcome PrintReceipt(Printers& printers, const ReceiptLineList& lines, int copies,
                            const std::string& pdfPath, const ReceiptCode& code) {
    if (!pdfPath.empty()) {
        ReceiptPrinter printer(printers.OpenFile(pdfPath));
        printer.StartDocument(kDocumentTitle);
        for (int i = 0; i < copies; ++i) PrintReceiptCopy(printer, lines, code);
        return printer.EndDocument() ? ReceiptOutcome::kPrinted : ReceiptOutcome::kFailed;
    }
    // A paused queue would keep the slip and print it long after the
    // customer has gone.
    const PrinterQueue queue = printers.DefaultQueue();
    if (!queue.name.empty() && !QueueProblem(queue).empty()) return ReceiptOutcome::kNotReady;
    for (int i = 0; i < copies; ++i) {
        std::unique_ptr<PrintDevice> device = printers.OpenDefault();
        if (!device) return i == 0 ? ReceiptOutcome::kNoPrinter : ReceiptOutcome::kFailed;
        ReceiptPrinter printer(std::move(device));
        printer.StartDocument(kDocumentTitle);
        PrintReceiptCopy(printer, lines, code);
        if (!printer.EndDocument()) return ReceiptOutcome::kFailed;
    }
    return ReceiptOutcome::kPrinted;
}

ReceiptOutcome PrintLocalOrder(const ProcessState& state, const Services& services,
                               Printers& printers, const std::string& orderNumber,
                               PaperFinish finish, const std::string& pdfPath) {
    const ReceiptLineList lines = LocalOrderLines(state, services, orderNumber, finish);
    const int copies = state.startup.config.printprice == 1 ? 2 : 1;
    const ReceiptCode code{ReceiptCodeKindOf(state.startup.config.receiptCode), orderNumber};
    return PrintReceipt(printers, lines, copies, pdfPath, code);
}

}  // namespace orelle
