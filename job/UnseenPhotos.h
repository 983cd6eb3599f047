#pragma once
// Photos of the job that no page has shown: a loaded photo is ordered only
// once the customer has seen it, so before an order the customer is told
// how many would not be printed and may see them first, and the running
// price says how many it leaves out. Photos the customer chose elsewhere
// (appended, sent from a phone) count from the start.

#include <cstdint>
#include <string>

namespace orelle {

class PhotoList;

struct UnseenPhotos {
    std::int32_t count = 0;
    std::int32_t first = -1;  // list index of the first one; -1 for none
};

UnseenPhotos FindUnseen(const PhotoList& list);

// "还有 N 张照片没有浏览,不会冲印" and the offer to see them first.
std::string UnseenQuestion(std::int32_t count);
// Beside the running price: " (N 张未浏览,不计)"; empty for none.
std::string UnseenPriceNote(std::int32_t count);

}  // namespace orelle
