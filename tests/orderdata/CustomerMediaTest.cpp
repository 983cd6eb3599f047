// Where the folder picker may start and when a card is to be taken back.

#include "orderdata/CustomerMedia.h"

#include <gtest/gtest.h>

#include "support/FakeDisks.h"
#include "support/MemoryFileSystem.h"

namespace orelle {
namespace {

TEST(CustomerMediaTest, ThePickerNeverStartsOnACardNorBelowTheBackupRootAndACardIsReminded) {
    testing::MemoryFileSystem fs;
    testing::CardReader disks("/media/card");
    EXPECT_EQ(CardReminder("/media/card/DCIM/", fs, disks), "") << "taken out already";
    for (const char* folder : {"/media/card/DCIM", "/backup/phone/st/visit", "/backups", "/home"})
        fs.CreateDirectories(folder);
    EXPECT_EQ(CardReminder("/media/card/DCIM/", fs, disks), kTakeCardBack);
    EXPECT_EQ(CardReminder("/home/", fs, disks), "");
    for (const char* refused : {"/media/card/DCIM/", "/backup/phone/st/visit", "/backup/", ""})
        EXPECT_FALSE(MayStartPickerIn(refused, "/backup", fs, disks)) << refused;
    for (const char* allowed : {"/backups", "/home/"})
        EXPECT_TRUE(MayStartPickerIn(allowed, "/backup", fs, disks)) << allowed;
}

}  // namespace
}  // namespace orelle
