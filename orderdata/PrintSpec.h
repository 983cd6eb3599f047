#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orelle {

// One print size of the shop's catalogue.
struct PrintSpec {
    // Field widths in GBK bytes, terminator included; longer texts in the
    // catalogue file are cut to fit at a character boundary.
    static constexpr std::size_t kPcodeSize = 10;
    static constexpr std::size_t kNameSize = 22;

    std::string pcode;        // product code, sent with the order as the record's productID
    std::string name;         // display name, e.g. "5寸"
    float x = 0;              // print width in inches
    float y = 0;              // print height in inches
    std::int32_t pixelX = 0;  // nominal width in pixels
    std::int32_t pixelY = 0;  // nominal height in pixels
};

}  // namespace orelle
