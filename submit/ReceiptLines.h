#pragma once
// The lines of the receipt slip of a placed order: a header, the product
// table (with store and member prices and their totals when the shop
// prints prices), the paper finish, the time and the customer's
// requirement cut into pieces that fit the slip. Texts are UTF-8; widths
// count GBK bytes, as the slip's fixed-pitch columns do.

#include <cstdint>
#include <string>
#include <vector>

#include "orderdata/PaperSettings.h"
#include "platform/clock/Clock.h"

namespace orelle {

class PhotoList;
class PrintCatalogue;

using ReceiptLineList = std::vector<std::string>;

struct ProductTable {
    std::string paperName;   // put before every size's name; may be empty
    std::string finishText;  // put after it, "(光面)" or "(绒面)"
    bool printPrice = false;
};

// Appends the product table: rules, header, one line per size with
// prints, the totals. Looks each such size's prices up once.
void GetOrderMxPStr(ReceiptLineList& lines, const PhotoList& list, const PrintCatalogue& catalogue,
                    const ProductTable& table);

// Appends text in pieces of at most 30 GBK bytes; a piece ends after a
// two-byte character that straddles the 30th byte, so it may have 31.
void StrMakeUP(ReceiptLineList& lines, const std::string& text);

struct ReceiptInput {
    std::string orderNumber;
    std::string memberCode;
    PaperFinish finish = PaperFinish::kGlossy;
    LocalTime time;
    std::string requirement;
    std::string paperName;
    bool printPrice = false;
    std::string pickupLine;  // when to come back; empty for none
};

// The line of the order number, under which the receipt prints its code.
inline constexpr std::size_t kOrderNumberLine = 2;

ReceiptLineList ReceiptLines(const ReceiptInput& input, const PhotoList& list,
                             const PrintCatalogue& catalogue);

// The text padded with blanks at its end to width GBK bytes; a longer
// text is kept whole.
std::string PadToBytes(std::string text, std::size_t width);

}  // namespace orelle
