#include "orderdata/FeatureFlags.h"

#include <gtest/gtest.h>

#include <tuple>

#include "orderdata/PaperSettings.h"
#include "orderdata/ParamConfig.h"
#include "orderdata/SettingsReport.h"
#include "orderdata/StartupData.h"
#include "platform/clock/Clock.h"
#include "platform/gbk/Gbk.h"
#include "support/StationSettings.h"

namespace orelle {
namespace {

using testing::GbkText;
using testing::MemoryFileSystem;

TEST(FeatureFlags, DefaultsAndEditions) {
    MemoryFileSystem fs;
    ParamConfig c;
    FeatureFlags f = LoadFeatureFlags("/p/", c, fs);
    EXPECT_EQ(std::tie(f.verison_function, f.verison_origdirfile), std::make_tuple(1000, 0));
    EXPECT_TRUE(f.IsDatabaseEdition());

    fs.files["/p/ver_ctrl.ini"] = GbkText(
        "[version_control]\nverison_function=1500\nmyselfedit=1\nverison_ckuser=1\n"
        "verison_origdirfile=1\nsendaddress=1\nremem=1\n");
    f = LoadFeatureFlags("/p/", c, fs);
    EXPECT_FALSE(f.IsDatabaseEdition());
    EXPECT_FALSE(f.IsWebEdition());
    // remem: the order dialog reads it itself.
    EXPECT_EQ(
        std::tie(f.myselfedit, f.verison_ckuser, f.verison_origdirfile, f.sendaddress, f.remem),
        std::make_tuple(1, 1, 1, 1, 0));
}

// Regression: the ports of param.ini were never read, so the report and the
// top-up page said port 80 whatever the shop had set.
TEST(FeatureFlags, TheServersOfParamIniAndTheSizesReachTheReport) {
    MemoryFileSystem fs;
    testing::WriteSettings(fs, "/p/", "[version_control]\nverison_function=2000\n",
                           "[webserver]\nweb=shop.example\nwebport=8080\nweb2=spare.example\n"
                           "webport2=81\n");
    StartupData startup;
    LoadStartupData(startup, "/p/", fs, FixedClock({2026, 12, 7}));
    const FeatureFlags flags = LoadFeatureFlags("/p/", startup.config, fs);
    for (const char* name : {"5寸", "A4", "原图比例"})
        startup.catalogue.Append(PrintSpec{"C5", name, 3.5f, 5, 0, 0});
    const std::string report = SettingsReport(startup, flags);
    EXPECT_NE(report.find("edition:         order web server\n"), std::string::npos) << report;
    EXPECT_NE(report.find("order server:    shop.example:8080 (second spare.example:81)\n"),
              std::string::npos)
        << report;
    // Regression: the sizes' columns ran apart after a Chinese name, whose
    // characters take two columns each.
    std::vector<std::size_t> columns;
    for (std::size_t at = 0; (at = report.find(" x ", at)) != std::string::npos; at += 3)
        columns.push_back(gbk::Length(
            report.substr(report.rfind('\n', at) + 1, at - report.rfind('\n', at) - 1)));
    EXPECT_EQ(columns, std::vector<std::size_t>(3, columns.at(0))) << report;
    EXPECT_NE(report.find("\n[quality]\n  mindpi         150\n"), std::string::npos) << report;
}

TEST(PaperSettings, ListsAreReadUpToTheirCountAndNoFurther) {
    MemoryFileSystem fs;
    testing::WriteSettings(
        fs, "/p/",
        "[paper]\ndefpaper=1\ncount=3\nonlyf=1\n[p1]\npapername=光面\n[p3]\npapername=绒面\n",
        "[other]\npaperctrl=1\nbcpaper=1\n");
    PaperSettings s = LoadPaperSettings("/p/", fs);
    EXPECT_EQ(std::tie(s.paperctrl, s.bcpaper, s.defpaper, s.onlyf), std::make_tuple(1, 1, 1, 1));
    // The default " " of a missing name reads as empty, as on Windows.
    EXPECT_EQ(s.papernames, (std::vector<std::string>{"光面", "", "绒面"}));
    std::vector<std::string> names;
    for (int paper : {1, 2, 4, 0}) names.push_back(OrderPaperName("/p/", paper, fs));
    EXPECT_EQ(names, (std::vector<std::string>{"光面", "数码", "", ""}));
}

}  // namespace
}  // namespace orelle
