// What a customer sees of the photos: the screen never waits on a photo
// file, and pages replace each other without an empty interim.
#include <gtest/gtest.h>

#include "cell/PhotoCell.h"
#include "platform/Services.h"
#include "platform/files/FileSystem.h"
#include "support/PhotoWindowFixture.h"
#include "support/WatchedFiles.h"

namespace orelle {
namespace {

using WatchedFiles = testing::WatchedFiles<LocalFileSystem>;

// The machine's services, their files watched.
Services WatchedServices() {
    static WatchedFiles files;
    const Services machine = MachineServices();
    return Services{files, machine.disks, machine.clock, machine.shell, machine.registry};
}

class CustomerViewTest : public testing::PhotoWindowFixture {
  protected:
    CustomerViewTest() : PhotoWindowFixture(WatchedServices()) {}
};

TEST_F(CustomerViewTest, TheScreenNeverReadsAPhotoFile) {
    AddPhotos(14);
    auto& watched = static_cast<WatchedFiles&>(station.services.files);
    watched.photoReadsByOwner = 0;
    window->StartPageRefresh();
    window->WaitForJobs();
    const std::string before = Shown(0);
    ASSERT_FALSE(before.empty());
    // The turn starts: until the next page is read, the cells keep their
    // pictures instead of showing empty grey cells.
    window->OnDownPage();
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(window->Cell(i)->surface.HasImage()) << i;
    window->WaitForJobs();
    EXPECT_NE(Shown(0), before);
    Command(1219);  // big view of the active photo
    Command(1224);
    Command(1219);  // back to six
    Command(1222);  // last page, of two photos
    EXPECT_TRUE(window->Cell(1)->surface.HasImage());
    // Past the end of the list nothing of the page before is left.
    for (int i = 2; i < 6; ++i) EXPECT_FALSE(window->Cell(i)->surface.HasImage()) << i;
    Command(1216);  // a copy of the active photo
    EXPECT_TRUE(window->Cell(0)->surface.HasImage());
    EXPECT_EQ(watched.photoReadsByOwner, 0);
}

}  // namespace
}  // namespace orelle
