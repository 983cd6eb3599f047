// The default printer's queue through libcups.
#include <cups/cups.h>

#include <cstdlib>
#include <sstream>

#include "platform/print/PrinterQueue.h"

namespace orelle {

PrinterQueue DefaultPrinterQueue() {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    PrinterQueue queue;
    if (!dest) return queue;
    const auto option = [dest](const char* name) {
        const char* value = cupsGetOption(name, dest->num_options, dest->options);
        return std::string(value ? value : "");
    };
    queue.name = dest->name;
    queue.accepting = option("printer-is-accepting-jobs") != "false";
    const std::string state = option("printer-state");
    if (!state.empty()) queue.state = std::atoi(state.c_str());
    std::istringstream reasons(option("printer-state-reasons"));
    for (std::string r; std::getline(reasons, r, ',');)
        if (!r.empty() && r != "none") queue.reasons.push_back(r);
    queue.message = option("printer-state-message");
    cupsFreeDests(1, dest);
    return queue;
}

}  // namespace orelle
