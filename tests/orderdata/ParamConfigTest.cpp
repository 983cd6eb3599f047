#include "orderdata/ParamConfig.h"

#include <gtest/gtest.h>

#include "orderdata/FeatureFlags.h"
#include "platform/ini/Profile.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::GbkText;
using testing::MemoryFileSystem;

TEST(ParamConfig, WithoutAFileEverythingHasItsDefault) {
    MemoryFileSystem fs;
    ParamConfig c = LoadParamConfig("/p/", fs);
    EXPECT_EQ(c.dir, paths::DefaultBackupRoot());
    EXPECT_EQ(c.userinfo.user, "000001");
    EXPECT_EQ(c.computerId, "00");
    EXPECT_EQ(c.webport, 80);
    EXPECT_EQ(c.webport2, 80);
    EXPECT_EQ(c.web, kDefaultWebHost);
    EXPECT_EQ(c.currentWeb, kDefaultWebHost);
    EXPECT_EQ(c.userdp, "0");
    EXPECT_EQ(c.insertdb, 0);
    EXPECT_EQ(c.mindpi, 150);
    EXPECT_TRUE(c.dbHost.empty());
}

// Regression: an empty or relative root put the orders below whatever
// folder the program was started from.
TEST(ParamConfig, TheBackupRootNeverDependsOnTheCurrentFolder) {
    MemoryFileSystem fs;
    const struct {
        const char* value;
        std::string root;
    } cases[] = {{"", paths::DefaultBackupRoot()},
                 {"   ", paths::DefaultBackupRoot()},
                 {"orders", "/p/orders"},
                 {"/srv/orders", "/srv/orders"}};
    for (const auto& c : cases) {
        fs.files["/p/param.ini"] = GbkText(std::string("[Lumora-backup]\ndir=") + c.value + "\n");
        EXPECT_EQ(LoadParamConfig("/p/", fs).dir, c.root) << "'" << c.value << "'";
    }
}

TEST(ParamConfig, ReadsTheKeysOfTheTableButNotTheDialogsOwn) {
    MemoryFileSystem fs;
    fs.files["/p/param.ini"] = GbkText(
        "[lumora-backup]\ndir=/srv/backup\n"
        "[dbserver]\nhost=db1\nuser=sa\npassword=secret\n"
        "[computerid]\nid=07\n"
        "[userinfo]\nuser=123456\nname=张三\ntelephone=0571-1\nmobile=138\naddress=文三路\n"
        "[other]\ndef_store=S1\ninsertdb=1\nshowofile=2\nget_mode=3\npaperctrl=1\nbcpaper=1\n"
        "[webserver]\nweb=a.example\nwebport=8080\nweb2=b.example\nwebport2=81\n"
        "proxyser=proxy:3128\nhproxy=abc\nuserdp=1\n"
        "[compress]\nfcompress=1\n[defpay]\npay=2\n[printorder]\nprint=1\nprintprice=1\n"
        "[quality]\nmindpi=0\n");
    ParamConfig c = LoadParamConfig("/p/", fs);
    EXPECT_EQ(c.dir, "/srv/backup");
    EXPECT_EQ(c.dbHost, "db1");
    EXPECT_EQ(c.dbUser, "sa");
    EXPECT_EQ(c.dbPassword, "secret");
    EXPECT_EQ(c.computerId, "07");
    EXPECT_EQ(c.userinfo.user, "123456");
    EXPECT_EQ(c.userinfo.username, "张三");
    EXPECT_EQ(c.userinfo.phone, "0571-1");
    EXPECT_EQ(c.userinfo.mobile, "138");
    EXPECT_EQ(c.userinfo.sendaddr, "文三路");
    EXPECT_EQ(c.def_store, "S1");
    EXPECT_EQ(c.insertdb, 1);
    EXPECT_EQ(c.showofile, 2);
    EXPECT_EQ(c.get_mode, 3);
    EXPECT_EQ(c.web, "a.example");
    EXPECT_EQ(c.currentWeb, "a.example");
    EXPECT_EQ(c.proxyser, "proxy:3128");
    EXPECT_EQ(c.hproxy, 0);  // letters read as 0
    EXPECT_EQ(c.fcompress, 1);
    EXPECT_EQ(c.pay, 2);
    EXPECT_EQ(c.print, 1);
    EXPECT_EQ(c.printprice, 1);
    EXPECT_EQ(c.mindpi, 0);  // the mark turned off
    // Read by the dialogs and by LoadFeatureFlags, not at library load.
    EXPECT_EQ(c.paperctrl, 0);
    EXPECT_EQ(c.bcpaper, 0);
    EXPECT_EQ(c.userdp, "0");
    EXPECT_EQ(c.webport, 80);
    EXPECT_EQ(c.web2, kDefaultWebHost);
    EXPECT_EQ(c.webport2, 80);

    FeatureFlags flags = LoadFeatureFlags("/p/", c, fs);
    EXPECT_TRUE(flags.IsDatabaseEdition());
    EXPECT_EQ(c.webport, 8080);
    EXPECT_EQ(c.web2, "b.example");
    EXPECT_EQ(c.webport2, 81);
    EXPECT_EQ(c.currentWebPort, 8080);
}

}  // namespace
}  // namespace orelle
