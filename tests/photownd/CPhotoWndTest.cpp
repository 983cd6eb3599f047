#include "orelle/CPhotoWnd.h"

#include <gtest/gtest.h>

#include <QDialog>

#include "cell/PhotoCell.h"
#include "orderdata/ProcessState.h"
#include "photownd/PhotoWindow.h"
#include "support/ModalAnswer.h"
#include "support/TestJob.h"

namespace orelle {
namespace {

using testing::ModalAnswer;

// The exported window stands on the process's one state: each test puts
// back what it changed there.
class CPhotoWndTest : public ::testing::Test {
  protected:
    CPhotoWndTest() : savedRoot_(process.startup.config.dir) {
        process.startup.config.dir = dir / "backup";
    }
    ~CPhotoWndTest() override {
        if (Window()) Window()->WaitForJobs();
        process.photoList.RemoveAll();
        process.startup.config.dir = savedRoot_;
        process.session = OrderSession{};
    }

    // A window on a job of n photos, shown.
    void Open(int n) {
        testing::AddTestPhotos(process.photoList, dir, n);
        ASSERT_TRUE(wnd.init(&host, 7));
        host.show();
        Window()->WaitForJobs();
    }
    PhotoWindow* Window() const { return static_cast<PhotoWindow*>(wnd.window()); }
    void Key(unsigned vk) {
        const KeyMessage m{kWmKeyDown, vk};
        wnd.Qkey(&m);
        Window()->WaitForJobs();
    }
    std::string Shown(int cell) const { return Window()->Cell(cell)->surface.pathName; }
    BrowseState& browse() const { return Window()->browse; }

    ProcessState& process = Process();
    testing::TempFolder dir;
    testing::RecordingHost host;
    CPhotoWnd wnd;
    std::string savedRoot_;
};

TEST_F(CPhotoWndTest, TheHostsSettings) {
    EXPECT_FALSE(wnd.init(nullptr, 7));
    EXPECT_EQ(wnd.window(), nullptr);
    wnd.SetStoreid("12", "m01", "pw");
    wnd.SetStoreid("", "", "");
    EXPECT_EQ(process.session.nStoreNumber, 12);
    EXPECT_EQ(process.session.memberAccount, "m01");
    EXPECT_EQ(process.session.memberPassword, "pw");
    process.orderInfo.albumid = "a1";
    wnd.SetOpenNumber(40);
    EXPECT_TRUE(process.orderInfo.albumid.empty());
    wnd.SetOrderType(2);
    EXPECT_EQ(process.session.nOrderType, 2);
    // Nothing to do without a window.
    wnd.OnFristPage();
    wnd.hotkey(3);
    const KeyMessage m{kWmKeyDown, kVkNext};
    wnd.Qkey(&m);
    // The open number set before the window reaches it.
    ASSERT_TRUE(wnd.init(&host, 7));
    EXPECT_EQ(browse().nOpenNumber, 40);
}

TEST_F(CPhotoWndTest, ShowingStartsOnTheFirstPageAndKeysWaitForTheDeleteQuestion) {
    Open(13);
    EXPECT_EQ(Shown(0), dir / "img_0.jpg");
    EXPECT_EQ(wnd.GetIndexStr(), "当前第1张/总共13张");
    EXPECT_EQ(wnd.GetRealName(dir / "IMG_0.JPG"), "img_0#1.jpg");
    wnd.ActiveWin(2);
    ModalAnswer modal([&](QDialog&) {
        const KeyMessage down{kWmKeyDown, kVkNext};
        const KeyMessage right{kWmKeyDown, kVkRight};
        wnd.Qkey(&down);
        wnd.Qkey(&right);
        return QDialog::Rejected;
    });
    Key(kVkDelete);
    EXPECT_EQ(browse().nFirstIndex, 0);
    EXPECT_EQ(browse().nActiveCell, 2);
    EXPECT_EQ(wnd.GetSize(), 13);
    Key(kVkNext);  // and work again afterwards
    EXPECT_EQ(browse().nFirstIndex, 6);
}

TEST_F(CPhotoWndTest, DeletingTheLastPhotosOfTheSinglePhotoView) {
    Open(2);
    ModalAnswer modal([](QDialog&) { return QDialog::Accepted; });
    Window()->OnCommand(1219);
    Window()->WaitForJobs();
    ASSERT_TRUE(browse().bBigView);
    Window()->OnCommand(1222);
    Window()->WaitForJobs();
    EXPECT_EQ(browse().nBigIndex, 1);
    wnd.OnDelete();
    Window()->WaitForJobs();
    // The view steps back to the new last photo.
    EXPECT_EQ(Shown(browse().nActiveCell), dir / "img_0.jpg");
    wnd.OnDelete();
    Window()->WaitForJobs();
    EXPECT_EQ(wnd.GetSize(), 0);
    EXPECT_TRUE(Shown(browse().nActiveCell).empty());
    wnd.OnDelete();  // nothing left to delete
    wnd.SetImageDlgToNormal();
    EXPECT_FALSE(browse().bBigView);
}

}  // namespace
}  // namespace orelle
