#pragma once
// The receipt slip of an order placed at the station: its lines built from
// the job, then printed on the default printer (or into a PDF file), twice
// when the slip shows prices: one copy for the customer, one for the shop.

#include <cstdint>
#include <string>

#include "submit/ReceiptLines.h"

namespace orelle {

struct ProcessState;
struct Services;
class Printers;
class PrintDevice;

enum class ReceiptOutcome {
    kPrinted,
    kNoPrinter,  // nothing was printed
    kFailed,     // the printer gave up part-way; the slip may be missing
    kNotReady,   // the queue would not print it now (paused, out of paper, offline...)
};

// How the slip prints the order number for the counter's scanner, under
// the number's line: the code holds the number alone.
enum class ReceiptCodeKind { kNone, kQr, kCode128 };
struct ReceiptCode {
    ReceiptCodeKind kind = ReceiptCodeKind::kNone;
    std::string text;
};

// [receipt] code: "code128", "none", anything else a QR code.
ReceiptCodeKind ReceiptCodeKindOf(const std::string& setting);

// The slip's lines for the process's job at the clock's time.
ReceiptLineList LocalOrderLines(const ProcessState& state, const Services& services,
                                const std::string& orderNumber, PaperFinish finish);

class ReceiptPrinter;

// One copy of the lines on pages of the printer's open document: the first
// line large and heavy, the rest in the normal face. False once the
// printer failed.
bool PrintReceiptCopy(ReceiptPrinter& printer, const ReceiptLineList& lines,
                      const ReceiptCode& code = {});

// Prints the lines copies times: on the default printer each copy is a
// document of its own, as the shop's slip printer cuts after each; in a
// PDF file (pdfPath not empty) the copies follow each other, each from a
// new page. Nothing goes to a default printer whose queue would not print
// it now. The job is not touched whatever happens. UI thread.
ReceiptOutcome PrintReceipt(Printers& printers, const ReceiptLineList& lines, int copies,
                            const std::string& pdfPath = {}, const ReceiptCode& code = {});

// Builds the slip of the process's job and prints it, twice when the
// settings print prices.
ReceiptOutcome PrintLocalOrder(const ProcessState& state, const Services& services,
                               Printers& printers, const std::string& orderNumber,
                               PaperFinish finish, const std::string& pdfPath = {});

}  // namespace orelle
