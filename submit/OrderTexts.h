#pragma once
// The photo detail text that the customer sees in the statistics notice,
// the requirements dialog and the order confirmations, and the product
// list that goes with it to the back office ("C6:3/C7:1/").

#include <cstdint>
#include <string>

namespace orelle {

class PhotoList;
class PrintCatalogue;
struct ProcessState;

struct StatText {
    std::string text;         // CR LF after every line
    std::string productList;  // code:count/ per size with prints
    std::int32_t lineCount = 0;
};

// countOverride 0 shows the real counts; any other value is shown and sent
// as the count of every size that has prints. A studio package is one
// item whatever the photos are.
StatText BuildStatText(const PhotoList& list, const PrintCatalogue& catalogue, bool studioPackage,
                       std::int32_t countOverride);

// The detail text of the process's job; also rebuilds the session's
// ProductList and notice line count. Empty, with an empty product list,
// while the job is empty or a worker owns it. UI thread.
std::string GetStatStr(ProcessState& state, std::int32_t countOverride);

}  // namespace orelle
