#include "cell/ChooserGrid.h"

#include "orderdata/PrintSpec.h"
#include "platform/gbk/Gbk.h"
#include "platform/text/NumberText.h"

namespace orelle {

ChooserGrid ChooserGrid::For(int count) {
    ChooserGrid g;
    g.count = count > 0 ? count : 0;
    g.rows = g.count < 15 ? 4 : g.count < 46 ? 5 : 6;
    g.columns = (g.count + g.rows - 1) / g.rows;
    return g;
}

std::string SizeTooltip(float xInches, float yInches) {
    // Whatever the customer's locale, a decimal point.
    std::string text =
        text::FixedText(xInches, 2) + "*" + text::FixedText(yInches, 2) + "(单位为英寸)";
    for (std::size_t at = text.find(".00"); at != std::string::npos; at = text.find(".00", at)) {
        text.erase(at, 3);
    }
    return text;
}

bool ShowsSizeName(const PrintSpec& spec, std::int32_t showofile) {
    return showofile != 0 || gbk::Length(spec.pcode) >= 4;
}

}  // namespace orelle
