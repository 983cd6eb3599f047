#include "orderdata/ParamConfig.h"

#include <gtest/gtest.h>

#include <tuple>

#include "orderdata/FeatureFlags.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::GbkText;
using testing::MemoryFileSystem;

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
        "[quality]\nmindpi=0\n[crop]\nfaces=2\n");
    EXPECT_EQ(LoadParamConfig("/none/", fs).faces, 1);
    ParamConfig c = LoadParamConfig("/p/", fs);
    EXPECT_EQ(std::tie(c.dir, c.dbHost, c.dbUser, c.dbPassword, c.computerId, c.def_store),
              std::make_tuple("/srv/backup", "db1", "sa", "secret", "07", "S1"));
    const CustomerInfo& u = c.userinfo;
    EXPECT_EQ(std::tie(u.user, u.username, u.phone, u.mobile, u.sendaddr),
              std::make_tuple("123456", "张三", "0571-1", "138", "文三路"));
    EXPECT_EQ(std::tie(c.web, c.currentWeb, c.proxyser),
              std::make_tuple("a.example", "a.example", "proxy:3128"));
    // hproxy's letters read as 0; mindpi 0 turns the mark off.
    EXPECT_EQ(std::tie(c.insertdb, c.showofile, c.get_mode, c.hproxy, c.fcompress, c.pay, c.print,
                       c.printprice, c.mindpi, c.faces),
              std::make_tuple(1, 2, 3, 0, 1, 2, 1, 1, 0, 2));
    // Read by the dialogs and by LoadFeatureFlags, not at library load.
    EXPECT_EQ(std::tie(c.paperctrl, c.bcpaper, c.webport, c.webport2),
              std::make_tuple(0, 0, 80, 80));
    EXPECT_EQ(std::tie(c.userdp, c.web2), std::make_tuple("0", kDefaultWebHost));

    LoadFeatureFlags("/p/", c, fs);
    EXPECT_EQ(c.web2, "b.example");
    EXPECT_EQ(std::tie(c.webport, c.webport2, c.currentWebPort), std::make_tuple(8080, 81, 8080));
}

}  // namespace
}  // namespace orelle
