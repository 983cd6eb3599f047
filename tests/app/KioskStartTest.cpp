// The programs as a shop starts them: the options every program answers,
// one station per settings folder, the set-up check's exit code, and what
// a start leaves behind (and clears of what a killed one left).

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLocalServer>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
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

KioskOutcome RunOne(KioskRun run) { return RunKiosks({std::move(run)}).front(); }

TEST(ProgramConventions, EveryProgramAnswersHelpVersionAndAnUnknownOption) {
    TempFolder cwd;
    for (const char* name :
         {"orelle-kiosk", "orelle-order-server", "orelle-db-check", "orelle-make-samples",
          "orelle-make-art", "orelle-gallery", "orelle-web-dialogs", "orelle-station-shots"}) {
        SCOPED_TRACE(name);
        KioskRun run;
        run.program = Program(name);
        run.args = {"--help"};
        run.workingDirectory = cwd.path();
        const KioskOutcome help = RunOne(run);
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_EQ(help.output.rfind("usage: ", 0), 0u) << help.output;
        run.args = {"--version"};
        const KioskOutcome version = RunOne(run);
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_EQ(version.output, std::string(name) + " " + ORELLE_VERSION + "\n");
        run.args = {"--no-such-option"};
        const KioskOutcome unknown = RunOne(run);
        EXPECT_EQ(unknown.exitCode, 2);
        EXPECT_EQ(unknown.output, "");
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
        KioskRun run;
        run.args = {"--config", config};
        run.args.insert(run.args.end(), args.begin(), args.end());
        run.env = {{"TMPDIR", temp}, {"XDG_RUNTIME_DIR", runtime}};
        return run;
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
    KioskRun again = Kiosk({"--screenshot", folder / "shot.png"});
    EXPECT_EQ(RunOne(again).exitCode, 0);
}

TEST_F(KioskStartTest, AStartClearsHalfWrittenFilesAndAKilledOneLeavesNoTemporaryFolder) {
    const std::string earlierDay = backup + "/20261101/0120261101001";
    fs::create_directories(earlierDay);
    for (const std::string& path :
         {config + "/.partial-param.ini", config + "/sysini/.partial-prices.ini",
          earlierDay + "/.partial-IMG_0001.JPG", backup + "/20261101/.partial-order.ini"})
        WriteBytes(path, "half");
    WriteBytes(earlierDay + "/IMG_0002.JPG", "whole");
    // A phone session of this station's that a kill left, and another
    // station's session on the same root.
    const std::string ours = PhoneStationFolder(backup, config, FileSystem::Default());
    const std::string theirs = backup + "/phone/other-0badcafe/t/p0001.jpg";
    for (const std::string& path : {ours + "t/p0001.jpg", theirs}) WriteBytes(path, "photo");
    StandInServer server;
    // Killed while it starts, with and without a settings copy.
    KioskRun plain = Kiosk({});
    plain.killAfterMs = 300;
    KioskRun web = Kiosk({"--web", "127.0.0.1:" + std::to_string(server.port())});
    web.killAfterMs = 2500;
    RunKiosks({plain, web});
    for (const std::string& name : TempEntries()) EXPECT_NE(name.rfind("qt_temp", 0), 0u) << name;
    // The copy is the settings of a --web kiosk; the shop's own are the
    // others'.
    for (const KioskOutcome& shown :
         RunKiosks({Kiosk({"--web", "127.0.0.1:" + std::to_string(server.port()), "--settings"}),
                    Kiosk({"--settings"})}))
        EXPECT_EQ(shown.exitCode, 0);
    // The copy a killed kiosk left went with the next start.
    EXPECT_EQ(TempEntries(), std::vector<std::string>{});
    for (const auto& e : fs::recursive_directory_iterator(folder.path()))
        EXPECT_NE(e.path().filename().string().rfind(".partial-", 0), 0u) << e.path();
    EXPECT_TRUE(fs::exists(earlierDay + "/IMG_0002.JPG"));
    EXPECT_EQ(RunOne(Kiosk({"--screenshot", folder / "shot.png"})).exitCode, 0);
    EXPECT_FALSE(fs::exists(ours));
    EXPECT_TRUE(fs::exists(theirs));
}

TEST_F(KioskStartTest, TheSettingsCopyIsReadableByItsOwnerOnly) {
    StandInServer server;
    KioskRun web = Kiosk({"--web", "127.0.0.1:" + std::to_string(server.port())});
    web.killAfterMs = 2500;
    std::vector<KioskOutcome> done;
    std::thread run([&] { done = RunKiosks({web}); });
    std::string copy;
    for (int i = 0; i < 200 && copy.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        for (const std::string& name : TempEntries())
            if (fs::exists(temp + "/" + name + "/param.ini")) copy = temp + "/" + name;
    }
    struct stat st {};
    const bool found = !copy.empty() && ::stat(copy.c_str(), &st) == 0;
    run.join();
    ASSERT_TRUE(found) << "no settings copy seen";
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

// Which fault is named is the set-up check's own; here the process finds
// the uploader's socket in its temporary folder and exits on a fault.
TEST_F(KioskStartTest, TheCheckFindsTheUploaderOfItsTemporaryFolderAndExitsOneOnAFault) {
    const bool hadTemp = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray ownTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QByteArray::fromStdString(temp));
    QLocalServer uploader;
    const bool listening = uploader.listen(QString::fromLatin1(kUploaderWindowTitle));
    if (hadTemp) qputenv("TMPDIR", ownTemp);
    else qunsetenv("TMPDIR");
    ASSERT_TRUE(listening);
    const KioskOutcome good = RunOne(Kiosk({"--check"}));
    EXPECT_EQ(good.exitCode, 0) << good.output;
    uploader.close();
    const KioskOutcome broken = RunOne(Kiosk({"--check"}));
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_NE(broken.output.find("uploader      FAILED: not running"), std::string::npos)
        << broken.output;
}

}  // namespace
}  // namespace orelle::testing
