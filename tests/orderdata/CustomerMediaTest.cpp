// Where the folder picker may start and when a card is to be taken back.

#include "orderdata/CustomerMedia.h"

#include <gtest/gtest.h>

#include "platform/paths/BackupDisk.h"
#include "support/MemoryDay.h"
#include "support/MemoryFileSystem.h"

namespace orelle {
namespace {

// A card in the reader at /media/card; the rest is the station's disk.
class CardReader : public DiskInfo {
  public:
    bool Query(const std::string& folder, DiskFacts* facts) override {
        facts->removable = folder.starts_with("/media/card");
        facts->fixed = !facts->removable;
        return true;
    }
};

TEST(CustomerMediaTest, ThePickerNeverStartsOnACardNorBelowTheBackupRoot) {
    testing::MemoryFileSystem fs;
    CardReader disks;
    for (const char* folder : {"/media/card/DCIM", "/backup/phone/st/visit", "/backups", "/home"})
        fs.CreateDirectories(folder);
    const struct {
        const char* folder;
        bool may;
    } cases[] = {{"/media/card/DCIM/", false},
                 {"/backup/phone/st/visit", false},
                 {"/backup/2026-12-7/261207001/", false},
                 {"/backups", true},
                 {"/home/", true},
                 {"", false}};
    for (const auto& c : cases)
        EXPECT_EQ(MayStartPickerIn(c.folder, "/backup", fs, disks), c.may) << c.folder;
}

TEST(CustomerMediaTest, TheCardIsRemindedOfOnlyWhileItIsStillThere) {
    testing::MemoryFileSystem fs;
    CardReader disks;
    EXPECT_EQ(CardReminder("/media/card/DCIM/", fs, disks), "") << "taken out already";
    fs.CreateDirectories("/media/card/DCIM");
    EXPECT_EQ(CardReminder("/media/card/DCIM/", fs, disks), kTakeCardBack);
    fs.CreateDirectories("/home/photos");
    EXPECT_EQ(CardReminder("/home/photos/", fs, disks), "");
}

}  // namespace
}  // namespace orelle
