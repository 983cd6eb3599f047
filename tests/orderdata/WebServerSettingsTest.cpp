#include "orderdata/WebServerSettings.h"

#include <gtest/gtest.h>

#include <tuple>

#include "orderdata/FeatureFlags.h"
#include "orderdata/ParamConfig.h"
#include "orderdata/StartupData.h"
#include "platform/clock/Clock.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::GbkText;
using testing::MemoryFileSystem;

TEST(WebServerAddressTest, HostAndPort) {
    const struct {
        const char* text;
        const char* host;
        int port;
    } good[] = {{"127.0.0.1:8080", "127.0.0.1", 8080},
                {"order.shop:1", "order.shop", 1},
                {"h:65535", "h", 65535}};
    for (const auto& c : good) {
        WebServerAddress a;
        EXPECT_TRUE(ParseWebServerAddress(c.text, &a)) << c.text;
        EXPECT_EQ(std::tie(a.host, a.port), std::make_tuple(c.host, c.port)) << c.text;
    }
    // The last two hosts would change the request's port or path.
    for (const char* text :
         {"h:65536", "h:0", ":80", "h:", "h", "h:80x", "h:-1", "h/x:80", "u@h:80"}) {
        WebServerAddress a;
        EXPECT_FALSE(ParseWebServerAddress(text, &a)) << text;
        EXPECT_EQ(std::tie(a.host, a.port), std::make_tuple("", 0)) << text;
    }
}

TEST(WebServerAddressTest, AWebHostSettingWithAPathOrUserIsRefusedByName) {
    ParamConfig config;
    config.web = "shop.example";
    config.web2 = "10.0.0.2";
    EXPECT_EQ(WebHostsRefusal(config), "");
    const struct {
        const char* web;
        const char* web2;
        const char* named;
    } cases[] = {{"shop.example/Lumora", "10.0.0.2", " web "},
                 {"shop.example", "10.0.0.2:81?x", " web2 "},
                 {"user@shop.example", "a/b", " web "}};
    for (const auto& c : cases) {
        config.web = c.web;
        config.web2 = c.web2;
        const std::string refusal = WebHostsRefusal(config);
        EXPECT_NE(refusal.find(c.named), std::string::npos) << refusal;
        EXPECT_NE(refusal.find("[webserver]"), std::string::npos) << refusal;
    }
}

TEST(WebServerSettingsTest, TheCopyIsTheWebEditionOnThatServerAndTheShopsFilesStay) {
    MemoryFileSystem fs;
    const std::string param =
        GbkText("[webserver]\r\nweb=shop.example\r\nwebport=80\r\n[computerid]\r\nid=07\r\n");
    const std::string flags = GbkText("[version_control]\r\nverison_function=1000\r\nremem=1\r\n");
    fs.files["/shop/param.ini"] = param;
    fs.files["/shop/ver_ctrl.ini"] = flags;
    fs.files["/shop/sysini/prints.ini"] =
        GbkText("[prints]\r\nprintsnumb=1\r\n[1]\r\npcode=C6\r\nname=6寸\r\n");
    fs.files["/shop/orelle-kiosk"] = "program";
    fs.files["/shop/sysini/.partial-prices.ini"] = "half";  // another kiosk writing
    fs.dirs = {"/shop", "/shop/sysini"};

    ASSERT_TRUE(CopySettingsForWebServer("/shop/", "/tmp/web", {"127.0.0.1", 8123}, fs));

    StartupData startup;
    const FixedClock clock{LocalTime{2026, 12, 7, 9, 0, 0}};
    LoadStartupData(startup, "/tmp/web", fs, clock);
    const FeatureFlags f = LoadFeatureFlags(startup.settingsFolder, startup.config, fs);
    EXPECT_TRUE(f.IsWebEdition());
    const ParamConfig& c = startup.config;
    EXPECT_EQ(std::tie(c.web, c.webport, c.web2, c.webport2, c.computerId),
              std::make_tuple("127.0.0.1", 8123, "127.0.0.1", 8123, "07"));
    EXPECT_EQ(startup.catalogue.GetCode(0), "C6");
    EXPECT_FALSE(fs.FileExists("/tmp/web/orelle-kiosk"));
    EXPECT_FALSE(fs.FileExists("/tmp/web/sysini/.partial-prices.ini"));
    EXPECT_EQ(fs.files["/shop/param.ini"] + fs.files["/shop/ver_ctrl.ini"], param + flags);

    // A settings folder that cannot be read gives no copy to run on.
    EXPECT_FALSE(CopySettingsForWebServer("/missing/", "/tmp/web2", {"h", 1}, fs));
}

}  // namespace
}  // namespace orelle
