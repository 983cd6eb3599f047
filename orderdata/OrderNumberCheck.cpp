#include "orderdata/OrderNumberCheck.h"

#include "platform/gbk/Gbk.h"

namespace orelle {

bool IsUsableOrderNumber(const std::string& utf8) {
    const std::string bytes = gbk::FromUtf8(utf8);
    if (bytes.empty() || bytes.size() > kOrderNumberMaxBytes) return false;
    // A character GBK cannot hold came back as '?'.
    if (gbk::ToUtf8(bytes) != utf8) return false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        // The second byte of a Chinese character may be any, '\\' too.
        if (gbk::IsLeadByte(b)) {
            ++i;
            continue;
        }
        if (b < 0x20 || b == 0x7F || b == '/' || b == '\\') return false;
    }
    return true;
}

}  // namespace orelle
