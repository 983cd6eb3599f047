#include "submit/WebReply.h"

#include <climits>
#include <cstdint>

namespace orelle {

std::string GetReplyField(std::string_view reply, std::string_view key) {
    const std::string head = std::string(key) + "=";
    const std::size_t at = reply.find(head);
    if (at == std::string_view::npos) return {};
    const std::size_t begin = at + head.size();
    const std::size_t end = reply.find('%', begin);
    if (end == std::string_view::npos) return {};
    return std::string(reply.substr(begin, end - begin));
}

bool HasReplyStatus(std::string_view reply) {
    return reply.find("status=") != std::string_view::npos;
}

int ReplyStatus(std::string_view reply) {
    const std::string value = GetReplyField(reply, "status");
    std::size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || (value[i] >= '\t' && value[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
    std::int64_t n = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        n = n * 10 + (value[i] - '0');
        if (n > INT_MAX) return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -n : n);
}

}  // namespace orelle
