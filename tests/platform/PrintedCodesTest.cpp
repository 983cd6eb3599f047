// The codes the counter scans read back as the text they were made of.

#include <gtest/gtest.h>

#include "platform/imaging/Code128.h"
#include "platform/imaging/QrCode.h"
#include "support/CodeReader.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

// Bars of 3 pixels, 80 tall, with their quiet zone.
QImage BarImage(const ModuleGrid& grid) {
    QImage image((grid.columns + 2 * kCode128QuietModules) * 3, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int c = 0; c < grid.columns; ++c)
        for (int y = 0; grid.Dark(c, 0) && y < image.height(); ++y)
            for (int x = 0; x < 3; ++x)
                image.setPixel((c + kCode128QuietModules) * 3 + x, y, qRgb(0, 0, 0));
    return image;
}

TEST(PrintedCodes, ReadBackAsTheirText) {
    if (!testing::HaveCodeTools()) GTEST_SKIP() << "zbarimg or pdftoppm is missing";
    testing::TempFolder dir;
    const ModuleGrid qr = QrModules("0120261207001");
    EXPECT_EQ(qr.columns, qr.rows);
    EXPECT_EQ(testing::ReadCodes(QrCodeImage("0120261207001", 4), dir / "qr.png"), "0120261207001");
    // Even and odd digit runs (code set C, then B for the last), letters (B).
    for (const char* text : {"0020150307001", "00201503070012", "7", "A12-b"}) {
        SCOPED_TRACE(text);
        const ModuleGrid bars = Code128Modules(text);
        ASSERT_EQ(bars.rows, 1);
        EXPECT_EQ(testing::ReadCodes(BarImage(bars), dir / "bars.png"), text);
    }
    EXPECT_TRUE(Code128Modules("订单").Empty());
}

}  // namespace
}  // namespace orelle
