#pragma once
// A notice's text around the one line that must stand out: the order
// number the customer is asked to copy down ("订单号:<...>").

#include <string>

namespace orelle {

struct NoticeParts {
    std::string before;   // lines before the order number, CR LF between them
    std::string number;   // the order number's line; empty when there is none
    std::string after;    // lines after it
    int linesAfter = 0;
};

NoticeParts SplitAtOrderNumber(const std::string& text);

}  // namespace orelle
