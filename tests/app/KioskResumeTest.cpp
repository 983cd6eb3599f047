// A station killed in the middle of a customer's job and started again:
// within the window the customer goes on with every edit, on the page they
// were on; after it the job is gone.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/KioskRun.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle::testing {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class KioskResumeTest : public ::testing::Test {
  protected:
    KioskResumeTest() {
        MakeKioskSettings(config, backup, false);
        for (int i = 1; i <= 8; ++i)
            WriteJpeg(card / ("DCIM/IMG_000" + std::to_string(i) + ".JPG"), 64, 48,
                      "2026:12:01 10:00:00");
    }

    // The customer's job, killed after its last edit.
    void Cut() {
        const KioskOutcome cut =
            RunKiosk({.args = {config, card.path()}, .program = ORELLE_EDITING_STATION_PATH});
        ASSERT_TRUE(cut.killed) << cut.output << cut.errors;
        ASSERT_EQ(cut.output, "edited\n");
    }

    // The one file of that name below the folder ("" when none).
    fs::path Find(const fs::path& under, const std::string& name) const {
        for (const auto& e : fs::recursive_directory_iterator(under))
            if (e.path().filename() == name) return e.path();
        return {};
    }

    KioskOutcome StartAgain() const {
        return RunKiosk({.args = {"--config", config, "--screenshot", folder / "shot.png"}});
    }

    TempFolder folder;
    TempFolder card;
    std::string config = folder / "config";
    std::string backup = folder / "backup";
};

TEST_F(KioskResumeTest, WithinTheWindowTheCustomerGoesOnWithEveryEditOnTheirPage) {
    Cut();
    const fs::path photoIni = Find(backup, "photo.ini");
    const std::string edited = Read(photoIni);
    for (const char* edit : {"angle=90", "operate=1", "rcDstLeft=12", "offsetSZX=5", "number=4",
                             "specIndex=1", "adddatetime=1"})
        EXPECT_NE(edited.find(edit), std::string::npos) << edit;

    const KioskOutcome again = StartAgain();
    ASSERT_EQ(again.exitCode, 0) << again.errors;
    EXPECT_NE(again.errors.find("上次的订单尚未完成"), std::string::npos) << again.errors;
    EXPECT_NE(again.errors.find("照片: 8 张"), std::string::npos) << again.errors;
    // The resumed job wrote its page again: as it was, on the second page.
    EXPECT_EQ(Read(photoIni), edited);
    EXPECT_NE(Read(Find(fs::path(backup) / "stations", "job.ini")).find("page=6\r\n"),
              std::string::npos);
}

TEST_F(KioskResumeTest, AfterTheWindowTheJobIsGone) {
    Cut();
    const fs::path record = Find(fs::path(backup) / "stations", "job.ini");
    std::string text = Read(record);
    const std::size_t at = text.find("changed=");
    text.replace(at, text.find("\r\n", at) - at, "changed=2026-1-1 0:00:00");
    std::ofstream(record, std::ios::binary) << text;
    const fs::path work = Find(backup, "photo.ini").parent_path();

    const KioskOutcome again = StartAgain();
    ASSERT_EQ(again.exitCode, 0) << again.errors;
    EXPECT_EQ(again.errors.find("上次的订单尚未完成"), std::string::npos) << again.errors;
    EXPECT_FALSE(fs::exists(work));
    EXPECT_FALSE(fs::exists(record));
    EXPECT_EQ(Read(work.parent_path() / "order.ini").find(work.filename().string()),
              std::string::npos);
}

}  // namespace
}  // namespace orelle::testing
