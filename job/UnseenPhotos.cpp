#include "job/UnseenPhotos.h"

#include "orderdata/PhotoList.h"
#include "platform/text/NumberText.h"

namespace orelle {

UnseenPhotos FindUnseen(const PhotoList& list) {
    UnseenPhotos unseen;
    for (std::int32_t i = 0; i < list.GetSize(); ++i) {
        if (list.At(i).bBrowsed != 0) continue;
        if (unseen.count++ == 0) unseen.first = i;
    }
    return unseen;
}

std::string UnseenQuestion(std::int32_t count) {
    return "还有 " + text::IntText(count) + " 张照片没有浏览,不会冲印\n要先看看这些照片吗?";
}

std::string UnseenPriceNote(std::int32_t count) {
    return count == 0 ? std::string() : " (" + text::IntText(count) + " 张未浏览,不计)";
}

}  // namespace orelle
