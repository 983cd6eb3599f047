#include "submit/OrderTexts.h"

#include <gtest/gtest.h>

#include "orderdata/ProcessState.h"
#include "support/SmallCatalogue.h"

namespace orelle {
namespace {

using testing::SmallCatalogue;

// Photos of size 2 with quantities 1, 2 and 0, one unseen photo of size 0
// and one without a size.
TEST(StatText, GivesTheDetailLinesAndTheProductList) {
    SmallCatalogue job;
    job.Add(2, 1);
    job.Add(2, 2);
    job.Add(2, 0);
    job.Add(0, 5, 0);
    job.Add(-1, 4);
    const struct {
        bool studioPackage;
        std::int32_t countOverride;
        const char *text, *productList;
    } cases[] = {
        {false, 0, "选定的照片明细:\r\n    大6寸,数量:3 张\r\n", "C6D:3/"},
        {false, 1, "选定的照片明细:\r\n    大6寸,数量:1 张\r\n", "C6D:1/"},
        // The line count stays that of the real lines.
        {true, 0, "影楼数据包", "9999:1/"},
    };
    for (const auto& c : cases) {
        const StatText stat =
            BuildStatText(job.list, job.catalogue, c.studioPackage, c.countOverride);
        EXPECT_EQ(std::tie(stat.text, stat.productList, stat.lineCount),
                  std::make_tuple(c.text, c.productList, 2));
    }
}

TEST(StatText, SizesFollowCatalogueOrderWhateverThePhotoOrder) {
    SmallCatalogue job;
    job.Add(3, 2);
    job.Add(1, 12345);
    job.Add(3, 1);
    const StatText stat = BuildStatText(job.list, job.catalogue, false, 0);
    EXPECT_EQ(stat.text, "选定的照片明细:\r\n    A4,数量:12345 张\r\n    大六寸,数量:3 张\r\n");
    EXPECT_EQ(stat.productList, "A4:12345/C6L:3/");
    EXPECT_EQ(stat.lineCount, 3);
}

// The session's values follow every build, also an empty one.
TEST(GetStatStr, KeepsTheProductListAndLineCountOfTheLastText) {
    ProcessState state;
    SmallCatalogue job;
    state.startup.catalogue = job.catalogue;
    state.session.ProductList = "old";
    EXPECT_EQ(GetStatStr(state, 0) + state.session.ProductList, "");
    EXPECT_EQ(state.session.noticeLines, 1);

    job.Add(2, 2);
    state.photoList.AppendFrom(job.list);
    EXPECT_EQ(GetStatStr(state, 0),
              BuildStatText(state.photoList, state.startup.catalogue, false, 0).text);
    EXPECT_EQ(std::tie(state.session.ProductList, state.session.noticeLines),
              std::make_tuple("C6D:2/", 2));
}

// The customer reads which photos print blurred; the order's own text
// (kept in the order files) stays as it was.
TEST(GetStatNoticeStr, NamesThePhotosTooSmallForTheirPrint) {
    ProcessState state;
    SmallCatalogue job;
    job.catalogue.Append(PrintSpec{"C6", "6寸", 4, 6, 0, 0});
    state.startup.catalogue = job.catalogue;
    state.startup.config.mindpi = 150;
    for (int i = 0; i < 7; ++i) {
        PhotoRecord& r = job.Add(4, 1);
        r.origName = "p" + std::to_string(i) + ".jpg";
        r.pixelWidth = i == 0 ? 1800 : 205;
        r.pixelHeight = i == 0 ? 1200 : 102;
    }
    state.photoList.AppendFrom(job.list);
    const std::string detail =
        BuildStatText(state.photoList, state.startup.catalogue, false, 0).text;
    EXPECT_EQ(GetStatNoticeStr(state, 0),
              detail +
                  "其中 6 张像素不足(低于150dpi):\r\n    p1.jpg 6寸\r\n    p2.jpg "
                  "6寸\r\n    p3.jpg 6寸\r\n    p4.jpg 6寸\r\n    p5.jpg 6寸\r\n    ……\r\n");
    EXPECT_EQ(state.session.noticeLines, 2 + 7);
    EXPECT_EQ(GetStatStr(state, 0), detail);

    state.flags.verison_origdirfile = 1;
    EXPECT_TRUE(GetStatNoticeStr(state, 0).starts_with("影楼数据包\r\n其中 6 张"));

    state.startup.config.mindpi = 0;
    EXPECT_EQ(GetStatNoticeStr(state, 0), "影楼数据包");
    state.bRefreshing = true;  // a worker owns the list: nothing is read
    EXPECT_EQ(GetStatNoticeStr(state, 0), "");
}

}  // namespace
}  // namespace orelle
