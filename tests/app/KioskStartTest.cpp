// The programs as a shop starts them: the options every program answers,
// one station per settings folder, the set-up check's exit code, and what
// a start leaves behind (and clears of what a killed one left).

#include <gtest/gtest.h>

#include <QLocalServer>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "orelle/Version.h"
#include "phone/PhoneFolders.h"
#include "platform/files/FileSystem.h"
#include "platform/uploader/Uploader.h"
#include "support/KioskRun.h"
#include "support/StandInServer.h"
#include "support/TempFolder.h"

namespace orelle::testing {
namespace {

namespace fs = std::filesystem;

std::string Program(const char* name) { return std::string(ORELLE_PROGRAMS_DIR) + "/" + name; }

TEST(ProgramConventions, EveryProgramAnswersHelpVersionAndAnUnknownOption) {
    TempFolder cwd;
    for (const char* name :
         {"orelle-kiosk", "orelle-order-server", "orelle-db-check", "orelle-make-samples",
          "orelle-make-art", "orelle-gallery", "orelle-web-dialogs", "orelle-station-shots"}) {
        SCOPED_TRACE(name);
        const auto run = [&](const char* option) {
            return RunKiosk(
                {.args = {option}, .program = Program(name), .workingDirectory = cwd.path()});
        };
        const KioskOutcome help = run("--help");
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_EQ(help.output.rfind("usage: ", 0), 0u) << help.output;
        const KioskOutcome version = run("--version");
        EXPECT_EQ(std::tie(version.exitCode, version.output),
                  std::tuple(0, std::string(name) + " " + ORELLE_VERSION + "\n"));
        const KioskOutcome unknown = run("--no-such-option");
        EXPECT_EQ(std::tie(unknown.exitCode, unknown.output), std::tuple(2, ""));
        EXPECT_EQ(unknown.errors.find("usage: "), 0u) << unknown.errors;
    }
    // The picture makers once took --help for the folder to write into.
    EXPECT_FALSE(fs::exists(cwd / "--help"));
    EXPECT_FALSE(fs::exists(cwd / "--no-such-option"));
}

class KioskStartTest : public ::testing::Test {
  protected:
    KioskStartTest() {
        MakeKioskSettings(config, backup, false);
        fs::create_directories(temp);
        fs::create_directories(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
    }

    KioskRun Kiosk(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--config", config});
        return {.args = args, .env = {{"TMPDIR", temp}, {"XDG_RUNTIME_DIR", runtime}}};
    }

    std::vector<std::string> TempEntries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(temp)) names.push_back(e.path().filename());
        return names;
    }

    TempFolder folder;
    std::string config = folder / "config";
    std::string backup = folder / "backup";
    std::string temp = folder / "tmp";
    std::string runtime = folder / "run";
};

TEST_F(KioskStartTest, ASecondStationOnTheSameSettingsRefusesToStart) {
    KioskRun first = Kiosk({});
    first.killAfterMs = 6000;
    KioskRun second = Kiosk({});
    second.startDelayMs = 3000;
    KioskRun settings = Kiosk({"--settings"});
    settings.startDelayMs = 3000;
    const std::vector<KioskOutcome> runs = RunKiosks({first, second, settings});
    EXPECT_TRUE(runs[0].killed) << "the first station ended by itself: " << runs[0].errors;
    EXPECT_EQ(runs[1].exitCode, 1);
    EXPECT_NE(runs[1].errors.find("a station already runs on the settings in"), std::string::npos)
        << runs[1].errors;
    // Reading the settings beside a running station is harmless.
    EXPECT_EQ(runs[2].exitCode, 0);
    // The killed one's lock does not hold the next station back.
    EXPECT_EQ(RunKiosk(Kiosk({"--screenshot", folder / "shot.png"})).exitCode, 0);
}

TEST_F(KioskStartTest, AStartClearsHalfWrittenFilesAndAKilledOneLeavesNoTemporaryFolder) {
    const std::string earlierDay = backup + "/20261101/0120261101001";
    for (const std::string& path :
         {config + "/sysini/.partial-prices.ini", earlierDay + "/.partial-IMG_0001.JPG"})
        WriteBytes(path, "half");
    // A phone session of this station's that a kill left.
    const std::string ours = PhoneStationFolder(backup, config, FileSystem::Default());
    WriteBytes(ours + "t/p0001.jpg", "photo");
    StandInServer server;
    // Killed while it starts, with and without a settings copy.
    KioskRun plain = Kiosk({});
    plain.killAfterMs = 300;
    const std::string shop = "127.0.0.1:" + std::to_string(server.port());
    KioskRun web = Kiosk({"--web", shop});
    web.killAtStep = "param.ini||after";
    RunKiosk(plain);  // one after the other: the first holds the settings' lock
    RunKiosk(web);
    // Left by the kill: the settings copy, readable by its owner only, and
    // no folder of Qt's.
    ASSERT_EQ(TempEntries().size(), 1u);
    const std::string copy = temp + "/" + TempEntries().front();
    EXPECT_TRUE(fs::exists(copy + "/param.ini")) << copy;
    EXPECT_EQ(static_cast<unsigned>(fs::status(copy).permissions()), 0700u);
    // The copy is the settings of a --web kiosk; the shop's own are the
    // others'.
    for (const KioskOutcome& shown :
         RunKiosks({Kiosk({"--web", shop, "--settings"}), Kiosk({"--settings"})}))
        EXPECT_EQ(shown.exitCode, 0);
    // The copy a killed kiosk left went with the next start.
    EXPECT_EQ(TempEntries(), std::vector<std::string>{});
    for (const auto& e : fs::recursive_directory_iterator(folder.path()))
        EXPECT_NE(e.path().filename().string().rfind(".partial-", 0), 0u) << e.path();
    EXPECT_EQ(RunKiosk(Kiosk({"--screenshot", folder / "shot.png"})).exitCode, 0);
    EXPECT_FALSE(fs::exists(ours));
}

// Which fault is named is the set-up check's own; here the process finds
// the uploader's socket in its temporary folder and exits on a fault.
TEST_F(KioskStartTest, TheCheckFindsTheUploaderOfItsTemporaryFolderAndExitsOneOnAFault) {
    QLocalServer uploader;
    ASSERT_TRUE(uploader.listen(QString::fromStdString(temp + "/" + kUploaderWindowTitle)));
    const KioskOutcome good = RunKiosk(Kiosk({"--check"}));
    EXPECT_EQ(good.exitCode, 0) << good.output;
    uploader.close();
    EXPECT_EQ(RunKiosk(Kiosk({"--check"})).exitCode, 1);
}

}  // namespace
}  // namespace orelle::testing
