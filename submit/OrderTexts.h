#pragma once
// The photo detail text that the customer sees in the statistics notice,
// the requirements dialog and the order confirmations, and the product
// list that goes with it to the back office ("C6:3/C7:1/").

#include <cstdint>
#include <string>

namespace orelle {

class FaceStore;
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

// The lines naming the order's photos that give fewer pixels per inch of
// their print than minDpi (at most kNamedLowResolution by name): empty when
// none does or the mark is off. No product list.
inline constexpr std::int32_t kNamedLowResolution = 5;
StatText LowResolutionNote(const PhotoList& list, const PrintCatalogue& catalogue,
                           std::int32_t minDpi);
// Likewise the order's photos whose crop cuts a face found in them.
StatText FaceCutNote(const PhotoList& list, const PrintCatalogue& catalogue,
                     const FaceStore& faces);

// The detail text of the process's job; also rebuilds the session's
// ProductList and notice line count. Empty, with an empty product list,
// while the job is empty or a worker owns it. UI thread.
std::string GetStatStr(ProcessState& state, std::int32_t countOverride);

// What the customer reads in the statistics notice and the requirements
// dialog: GetStatStr followed by the notes on photos too small for their
// print and on photos whose crop cuts a face (while faces are looked
// for), whose lines the notice line count takes in too. The order's own
// texts and files keep GetStatStr alone.
std::string GetStatNoticeStr(ProcessState& state, std::int32_t countOverride);

}  // namespace orelle
