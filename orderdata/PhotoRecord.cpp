#include "orderdata/PhotoRecord.h"

#include "platform/gbk/Gbk.h"

namespace orelle {

bool FitsField(const std::string& text, std::size_t capacity) {
    return capacity > 0 && gbk::Length(text) <= capacity - 1;
}

}  // namespace orelle
