// The set-up check: each fault is named on its own line and only there; a
// good set-up holds. Fakes for the machine, and a few real pieces: the
// test database, backup roots on a read-only and on a nearly full mount.
#include "setup/SetupCheck.h"

#include "orderdata/ParamConfig.h"
#include "orderdata/PrintCatalogue.h"
#include "setup/BackOfficeCheck.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "platform/Services.h"
#include "platform/clock/Clock.h"
#include "platform/db/OdbcConnection.h"
#include "platform/files/FileSystem.h"
#include "platform/ini/Profile.h"
#include "setup/SetupProbes.h"
#include "support/FakeDisks.h"
#include "support/RecordingShell.h"
#include "support/ScriptedPoster.h"
#include "support/TempFolder.h"
#include "support/TestDatabase.h"

namespace orelle {
namespace {

namespace fs = std::filesystem;
using testing::FakeDisks;
using testing::TempFolder;

class FakeProbes : public SetupProbes {
  public:
    PrinterQueue printer{"receipts", true, 3, {}, ""};
    std::string family = "Noto Serif CJK SC";
    bool uploader = true;
    PortHolder port = PortHolder::kNobody;
    std::vector<std::string> own{"192.168.1.20"};
    PrinterQueue DefaultPrinter() override { return printer; }
    std::string ChineseFamily(const std::string&) override { return family; }
    bool UploaderListening() override { return uploader; }
    PortHolder PortUse(const std::string&, int) override { return port; }
    std::vector<std::string> OwnAddresses() override { return own; }
};

// No order database lets the station in.
class NoDatabase : public DatabaseConnector {
  public:
    std::unique_ptr<Database> Connect(const OdbcSettings&, std::string* error) override {
        *error = "login failed";
        return nullptr;
    }
};

class SetupCheckTest : public ::testing::Test {
  public:
    SetupCheckTest() {
        fs::create_directories(dir / "settings/sysini");
        for (const char* f :
             {"param.ini", "ver_ctrl.ini", "sysini/prints.ini", "sysini/prices.ini"})
            fs::copy_file(fs::path(ORELLE_RES_DIR) / f, dir / ("settings/" + std::string(f)));
        Param("Lumora-backup", "dir", dir / "backup");
        poster.answer = [](const HttpPost&) { return std::string("notice"); };
    }

    void Param(const char* section, const char* key, const std::string& value) {
        Profile(settings + "param.ini").WriteString(section, key, value);
    }
    void Versions(const char* section, const char* key, const std::string& value) {
        Profile(settings + "ver_ctrl.ini").WriteString(section, key, value);
    }

    // With the fakes, or with the machine's own HTTP or disks.
    std::vector<CheckLine> Run(HttpPoster* http = nullptr, DiskInfo* machineDisks = nullptr) {
        Services services{FileSystem::Default(), machineDisks ? *machineDisks : *disks,
                          clock,                 shell,
                          Registry(dir / "registry.ini"), http ? *http : poster,
                          database};
        return CheckSetup(settings, dir / "program/", services, probes);
    }

    TempFolder dir;
    const std::string settings = dir / "settings/";
    std::unique_ptr<FakeDisks> disks = std::make_unique<FakeDisks>();
    FixedClock clock{{2026, 12, 8}};
    testing::RecordingShell shell;
    testing::ScriptedPoster poster;
    NoDatabase database;
    FakeProbes probes;
};

std::vector<std::string> Failed(const std::vector<CheckLine>& lines) {
    std::vector<std::string> failed;
    for (const CheckLine& line : lines)
        if (!line.ok) failed.push_back(line.topic + ": " + line.text);
    return failed;
}

TEST_F(SetupCheckTest, AGoodSetUpHoldsInEveryEdition) {
    Param("webserver", "connecttimeout", "1");
    Param("webserver", "timeout", "2");
    for (const char* edition : {"1000", "2000"}) {
        Versions("version_control", "verison_function", edition);
        Param("printorder", "print", "1");
        Param("phone", "enabled", "1");
        Param("phone", "port", "0");       // any free port, for the station and the check,
        probes.port = PortHolder::kOther;  // however busy 8765 is
        const std::vector<CheckLine> lines = Run();
        EXPECT_TRUE(AllHold(lines)) << CheckReport(lines);
        // Paper kinds, not the finishes a second time (the lab's memo read
        // "(绒面,光面)").
        EXPECT_NE(CheckReport(lines).find("paper 富士, 柯达\n"), std::string::npos);
    }
    // The short side first: the crop frame takes the photo's orientation.
    PrintCatalogue shipped;
    shipped.LoadCatalogue(settings, FileSystem::Default());
    for (std::int32_t i = 0; i < shipped.GetCount(); ++i) {
        if (shipped.At(i)->x > 0) {
            EXPECT_LE(shipped.At(i)->x, shipped.At(i)->y) << shipped.At(i)->pcode;
        }
    }
    // The harmless question: the service notice, nothing of an order.
    ASSERT_EQ(poster.posts.size(), 2u);
    EXPECT_EQ(poster.posts[0].path, "/Lumora/manage/notify.asp");
    // Within the shop's time-outs.
    EXPECT_EQ(poster.posts[0].limits.connectTimeoutMs, 1000);
    EXPECT_EQ(poster.posts[0].limits.totalTimeoutMs, 2000);
    // The QR code's address named; the station's own page on its port holds.
    Param("phone", "port", "8765");
    probes.port = PortHolder::kStation;
    EXPECT_NE(CheckReport(Run()).find("phone upload  ok: QR code http://192.168.1.20:8765/, port "
                                      "8765 in use by this station's phone page\n"),
              std::string::npos);
}

struct Fault {
    const char* name;
    std::function<void(SetupCheckTest&)> make;
    const char* topic;
    const char* says;
};

class SetupFaults : public SetupCheckTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(SetupFaults, IsNamedOnItsOwnLineOnly) {
    GetParam().make(*this);
    const std::vector<std::string> failed = Failed(Run());
    ASSERT_EQ(failed.size(), 1u) << ::testing::PrintToString(failed);
    EXPECT_EQ(failed[0].rfind(std::string(GetParam().topic) + ": ", 0), 0u) << failed[0];
    EXPECT_NE(failed[0].find(GetParam().says), std::string::npos) << failed[0];
}

using Fixture = SetupCheckTest&;
INSTANTIATE_TEST_SUITE_P(
    Each, SetupFaults,
    ::testing::Values(
        Fault{"NoParamIni", [](Fixture t) { fs::remove(t.settings + "param.ini"); }, "settings",
              "param.ini is missing"},
        Fault{"MissingPrice",
              [](Fixture t) {
                  Profile prices(t.settings + "sysini/prices.ini");
                  prices.WriteString("C6", "price", "");
                  prices.WriteString("C6", "price1", "");
              },
              "catalogue", "print size 2 (6寸) has no price"},
        Fault{"NoProductCode",
              [](Fixture t) {
                  Profile(t.settings + "sysini/prints.ini").WriteString("3", "pcode", "");
              },
              "catalogue", "has no product code"},
        Fault{"NoPaper", [](Fixture t) { t.Versions("paper", "count", "0"); }, "catalogue",
              "no paper kinds"},
        Fault{"RemovableDisk",
              [](Fixture t) { t.disks = std::make_unique<FakeDisks>(50000, false); },
              "backup root", "removable or network disk"},
        Fault{"ReadOnlyDisk", [](Fixture t) { t.disks->writable = false; }, "backup root",
              "cannot be made"},
        Fault{"NearlyFullDisk", [](Fixture t) { t.disks = std::make_unique<FakeDisks>(999); },
              "backup root", "has 999 MB free"},
        Fault{"SecondWebServerSilent",
              [](Fixture t) {
                  t.Versions("version_control", "verison_function", "2000");
                  t.Param("webserver", "web2", "second.invalid");
                  t.poster.answer = [](const HttpPost& p) {
                      return p.host == "second.invalid" ? std::string() : std::string("notice");
                  };
              },
              "web server 2", "second.invalid:80 gave no answer"},
        Fault{"DatabaseRefuses", [](Fixture t) { t.Param("other", "insertdb", "1"); },
              "database", "no connection: login failed"},
        Fault{"NoDefaultPrinter",
              [](Fixture t) {
                  t.Param("printorder", "print", "1");
                  t.probes.printer = {};
              },
              "receipt", "no default printer"},
        Fault{"PrinterRejects",
              [](Fixture t) {
                  t.Param("printorder", "print", "1");
                  t.probes.printer.accepting = false;
              },
              "receipt", "does not accept jobs"},
        Fault{"NoUploader", [](Fixture t) { t.probes.uploader = false; }, "uploader",
              "LumoraCUpLoad is missing"},
        Fault{"NoChineseFont", [](Fixture t) { t.probes.family.clear(); }, "fonts",
              "no font with Chinese"},
        Fault{"PhonePortTaken",
              [](Fixture t) {
                  t.Param("phone", "enabled", "1");
                  t.probes.port = PortHolder::kOther;
              },
              "phone upload", "port 8765 is taken"},
        Fault{"PhoneAddressNotThisMachines",  // a loopback one is none of its own either
              [](Fixture t) {
                  t.Param("phone", "enabled", "1");
                  t.Param("phone", "address", "127.0.0.1");
                  t.probes.own = {"192.168.1.20", "10.0.0.5"};
              },
              "phone upload",
              "127.0.0.1 goes into the QR code but is not this machine's own "
              "address on the network (192.168.1.20, 10.0.0.5)"},
        Fault{"NoNetwork",
              [](Fixture t) {
                  t.Param("phone", "enabled", "1");
                  t.probes.own.clear();
              },
              "phone upload", "no network address but loopback"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetupCheckTest, TheRealDatabaseCountsItsMembers) {
    REQUIRE_TEST_DATABASE();
    testing::TestDatabase db;
    const OdbcSettings server = db.Settings();
    Param("other", "insertdb", "1");
    for (const auto& [key, value] : {std::pair{"host", server.host}, {"user", server.user},
                                     {"driver", server.driver}, {"database", server.database},
                                     {"password", server.password}})
        Param("dbserver", key, value);
    const CheckLine line = CheckOrderDatabase(LoadParamConfig(settings, FileSystem::Default()),
                                              DatabaseConnector::Default());
    EXPECT_TRUE(line.ok) << line.text;
    EXPECT_NE(line.text.find(" members"), std::string::npos) << line.text;
}

// The machine's disks, on mounts of the test's own (root only).
class MountedRoot {
  public:
    MountedRoot(const std::string& at, const char* options) : at_(at) {
        fs::create_directories(at);
        mounted_ = ::mount("orelle-test", at.c_str(), "tmpfs", 0, options) == 0;
    }
    ~MountedRoot() {
        if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

  private:
    std::string at_;
    bool mounted_ = false;
};

TEST_F(SetupCheckTest, RealBackupRootsOnAReadOnlyAndOnANearlyFullMountFail) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting needs root";
    const std::string readOnly = dir / "ro", small = dir / "small";
    MountedRoot ro(readOnly, "size=4g");
    MountedRoot full(small, "size=16m");
    if (!ro.mounted() || !full.mounted()) GTEST_SKIP() << "this machine allows no mounts";
    ASSERT_EQ(::mount(nullptr, readOnly.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    testing::WriteBytes(small + "/filler", std::string(15 << 20, 'x'));
    struct Case {
        std::string root;
        const char* says;
    };
    for (const Case& c : {Case{readOnly + "/orders", "cannot be made (read-only disk"},
                          Case{small, "MB free, at least 1000 MB are needed"}}) {
        Param("Lumora-backup", "dir", c.root);
        const std::vector<std::string> failed = Failed(Run(nullptr, &DiskInfo::Default()));
        ASSERT_EQ(failed.size(), 1u) << ::testing::PrintToString(failed);
        EXPECT_NE(failed[0].find(c.says), std::string::npos) << failed[0];
    }
}

}  // namespace
}  // namespace orelle
