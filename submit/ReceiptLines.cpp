#include "submit/ReceiptLines.h"

#include <cstdio>

#include "orderdata/PrintCatalogue.h"
#include "platform/gbk/Gbk.h"
#include "submit/SizeTotals.h"

namespace orelle {
namespace {

constexpr const char* kRule = "------------------------------------";
constexpr std::size_t kPieceBytes = 30;

std::string Money(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", value);
    return buf;
}

}  // namespace

std::string PadToBytes(std::string text, std::size_t width) {
    const std::size_t length = gbk::Length(text);
    if (length < width) text.append(width - length, ' ');
    return text;
}

void GetOrderMxPStr(ReceiptLineList& lines, const PhotoList& list, const PrintCatalogue& catalogue,
                    const ProductTable& table) {
    lines.emplace_back(kRule);
    lines.emplace_back(table.printPrice ? "产品规格      数量 门市价 会员价"
                                        : "产品规格      数量 ");
    lines.emplace_back(kRule);
    // The slip's totals are single precision, as the back office's are.
    float storeTotal = 0;
    float memberTotal = 0;
    const std::vector<std::int64_t> totals = SizeTotals(list, catalogue.GetCount());
    for (std::size_t i = 0; i < totals.size(); ++i) {
        const std::int64_t t = totals[i];
        if (t == 0) continue;
        const std::int32_t index = static_cast<std::int32_t>(i);
        const std::string name = catalogue.GetName(index);
        const std::string nameColumn = table.paperName + name + table.finishText +
                                       std::string(PadToBytes(name, 4).size() - name.size(), ' ');
        const std::string countColumn = PadToBytes(std::to_string(t), 5);
        if (!table.printPrice) {
            lines.push_back(nameColumn + countColumn);
            continue;
        }
        const Prices p = catalogue.GetPrices(catalogue.GetCode(index));
        lines.push_back(nameColumn + countColumn + PadToBytes(Money(p.price), 7) +
                        PadToBytes(Money(p.price1), 6));
        storeTotal = static_cast<float>(storeTotal + static_cast<double>(t) * p.price);
        memberTotal = static_cast<float>(memberTotal + static_cast<double>(t) * p.price1);
    }
    lines.emplace_back(kRule);
    if (table.printPrice)
        lines.push_back("门市总计:" + Money(storeTotal) + ",会员总计:" + Money(memberTotal));
}

void StrMakeUP(ReceiptLineList& lines, const std::string& text) {
    const std::string bytes = gbk::FromUtf8(text);
    if (bytes.size() <= kPieceBytes) {
        lines.push_back(text);
        return;
    }
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t i = 0;
        while (i < kPieceBytes && start + i < bytes.size())
            i += static_cast<unsigned char>(bytes[start + i]) < 129 ? 1 : 2;
        // A lead byte at the very end has no second byte to take.
        if (start + i > bytes.size()) i = bytes.size() - start;
        lines.push_back(gbk::ToUtf8(std::string_view(bytes).substr(start, i)));
        start += i;
    }
}

ReceiptLineList ReceiptLines(const ReceiptInput& input, const PhotoList& list,
                             const PrintCatalogue& catalogue) {
    const bool glossy = input.finish == PaperFinish::kGlossy;
    const LocalTime& t = input.time;
    char time[96];
    std::snprintf(time, sizeof time, "%d-%d-%d %d:%d:%d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    ReceiptLineList lines{"  自助冲印订单", " ", "订单号:" + input.orderNumber,
                          "会员号:" + input.memberCode};
    GetOrderMxPStr(lines, list, catalogue,
                   ProductTable{input.paperName, glossy ? "(光面)" : "(绒面)", input.printPrice});
    lines.emplace_back(glossy ? "纸型选择:光面" : "纸型选择:绒面");
    lines.push_back(std::string("时间:") + time);
    if (!input.pickupLine.empty()) lines.push_back(input.pickupLine);
    if (gbk::Length(input.requirement) >= 2) StrMakeUP(lines, input.requirement);
    lines.emplace_back("此小票为自助冲印订单");
    return lines;
}

}  // namespace orelle
