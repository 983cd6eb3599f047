#pragma once
// A printer queue's state as the printing service tells it (IPP
// printer-state, printer-state-reasons, printer-is-accepting-jobs), and
// whether a receipt sent to it now would come out.

#include <string>
#include <vector>

namespace orelle {

struct PrinterQueue {
    std::string name;  // empty: no default printer, or no service to ask
    bool accepting = true;
    int state = 3;                     // 3 idle, 4 processing, 5 stopped
    std::vector<std::string> reasons;  // "media-empty-error", "paused"; never "none"
    std::string message;               // what the printer said last, may be empty
};

// Empty when a job sent now would print; otherwise what keeps it and what
// to do about it, naming the queue ("... is paused after running out of
// paper: load paper, then resume it (cupsenable NAME)").
std::string QueueProblem(const PrinterQueue& queue);

// The default printer's queue, asked of CUPS (CUPS_SERVER, LPDEST and the
// user's lpoptions apply); a queue without a name when there is none or
// CUPS does not answer. Any thread; waits for the answer.
PrinterQueue DefaultPrinterQueue();

}  // namespace orelle
