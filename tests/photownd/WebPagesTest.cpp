#include "photownd/WebPages.h"

#include <gtest/gtest.h>

#include <vector>

#include "orderdata/ParamConfig.h"
#include "photownd/PhotoWindow.h"
#include "platform/Services.h"
#include "platform/registry/Registry.h"
#include "support/ModalAnswer.h"
#include "support/PhotoWindowFixture.h"
#include "support/RecordingShell.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::RecordingShell;

TEST(WebPagesTest, Addresses) {
    ParamConfig config;
    config.web = "shop.example";
    config.webport = 8080;
    EXPECT_EQ(TopUpPageAddress(config), "http://shop.example:8080/lumora/cmanage/clogin.asp");
    EXPECT_EQ(HelpPageAddress(config), std::string("http://") + kDefaultWebHost +
                                           "/netphotoapp/appinterface.asp?clientweb=shop.example");
    // The browser's command line takes the address at its placeholder.
    EXPECT_EQ(BrowserCommandLine("\"C:\\b.exe\" -url \"%1\" -x", "http://a"),
              "\"C:\\b.exe\" -url  http://a");
    EXPECT_EQ(BrowserCommandLine("b.exe %1", "http://a"), "b.exe  http://a");
    EXPECT_EQ(BrowserCommandLine("b.exe", "http://a"), "b.exe http://a");
}

// The browser and the keys read from the registry.
TEST(WebPagesTest, GotoUrlFallsBackFromTheDesktopToTheRegistryAndGetRegKeyCutsTheValue) {
    testing::TempFolder dir;
    Registry reg(dir / "registry.ini");
    RecordingShell shell;
    shell.openResult = 42;
    EXPECT_EQ(GotoURL("http://a", kShowNormal, shell, reg), 42);
    EXPECT_TRUE(shell.started.empty());

    shell.openResult = 2;
    GotoURL("http://a", kShowNormal, shell, reg);
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0], FallbackBrowserCommand() + "http://a");

    reg.Set(RegistryRoot::ClassesRoot, ".htm", "", "htmlfile");
    reg.Set(RegistryRoot::ClassesRoot, "htmlfile\\shell\\open\\command", "", "web -new \"%1\"");
    GotoURL("http://a", kShowNormal, shell, reg);
    EXPECT_EQ(shell.started.back(), "web -new  http://a");

    std::string out = "stale";
    EXPECT_EQ(GetRegKey(reg, 0x80000000u, "none", out), kRegistryNotFound);
    EXPECT_TRUE(out.empty());
    // 130 two-byte characters: 259 bytes hold 129 of them.
    std::string wide;
    for (int i = 0; i < 130; ++i) wide += "照";
    reg.Set(RegistryRoot::LocalMachine, "k", "", wide);
    EXPECT_EQ(GetRegKey(reg, 0x80000002u, "k", out), kRegistryOk);
    EXPECT_EQ(out.size(), 129u * 3);
    // A key without a default value reads as empty.
    reg.CreateKey(RegistryRoot::LocalMachine, "empty");
    EXPECT_EQ(GetRegKey(reg, 0x80000002u, "empty", out), kRegistryOk);
    EXPECT_TRUE(out.empty());
}

// The machine's services on a shell that finds no browser.
Services WithoutBrowser() {
    static RecordingShell shell;
    shell.openResult = 2;
    shell.runResult = 2;
    const Services machine = MachineServices();
    return Services{machine.files, machine.disks, machine.clock, shell, machine.registry};
}

class WebPagesWindowTest : public testing::PhotoWindowFixture {
  protected:
    WebPagesWindowTest() : PhotoWindowFixture(WithoutBrowser()) {}
};

// Regression: without a browser "充值" and "疑问解答" did nothing visible.
TEST_F(WebPagesWindowTest, WithoutABrowserTheCustomerIsTold) {
    state.flags.verison_function = kEditionWeb;
    for (int command : {1229, 1232}) {
        std::vector<std::string> shown;
        testing::ModalAnswer modal([&](QDialog& d) {
            shown.push_back(testing::DialogText(d));
            return 0;
        });
        Command(command);
        EXPECT_EQ(shown, std::vector<std::string>{"无法打开网页,请联系店员"}) << command;
    }
    static_cast<RecordingShell&>(station.services.shell).runResult = 33;
    testing::ModalAnswer none([](QDialog& d) {
        ADD_FAILURE() << testing::DialogText(d);
        return 0;
    });
    Command(1229);
}

}  // namespace
}  // namespace orelle
