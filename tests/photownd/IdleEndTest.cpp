// A visit left alone on the photo window, on a steady clock that the test
// moves: the warning over everything, a touch that continues, and the end
// that closes the dialogs, removes the job never placed and reminds of the
// card still in the reader.

#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <memory>

#include "orderdata/OrderPaths.h"
#include "orelle/HostMessage.h"
#include "photownd/IdleGuard.h"
#include "photownd/IdleNotice.h"
#include "photownd/PhotoWindow.h"
#include "support/FakeDisks.h"
#include "support/FakeSteadyClock.h"
#include "support/TestJob.h"
#include "support/TestJpeg.h"
#include "support/TestStation.h"

namespace orelle {
namespace {

class IdleEndTest : public ::testing::Test {
  protected:
    IdleEndTest() {
        testing::WriteJpeg(dir / "card/a.jpg", 40, 30);
        station.state.startup.config.idle = 60;
        window = std::make_unique<PhotoWindow>(station.state, services);
        window->Init(&host, 1);
        host.show();
        window->show();
        window->OpenFolder(dir / "card", {});
        window->WaitForJobs();
        job = OrderPaths{dir / "backup", station.state.startup.date.dateStr}.WorkFolder(
            station.state.orderInfo.storeDDH);
        host.messages.clear();
    }
    ~IdleEndTest() override { window.reset(); }

    IdleNotice& After(int seconds) {
        steady.Seconds(seconds);
        window->Idle()->Tick();
        return *window->Idle()->Notice();
    }

    testing::TempFolder dir;
    testing::TestStation station{dir};
    testing::CardReader disks{dir / "card"};
    testing::FakeSteadyClock steady;
    const Services& base = station.services;
    Services services{base.files, disks,         base.clock,    base.shell,     base.registry,
                      base.http,  base.database, base.uploader, base.webServer, steady};
    testing::RecordingHost host;
    std::unique_ptr<PhotoWindow> window;
    std::string job;
};

TEST_F(IdleEndTest, ATouchContinuesAndASecondSilenceEndsTheVisitWithNothingLeft) {
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(job)));
    EXPECT_FALSE(After(59).isVisible());
    IdleNotice& notice = After(1);
    ASSERT_TRUE(notice.Warning());
    EXPECT_EQ(notice.Countdown(), "30 秒后本次制作将结束,照片将被清除");
    QTest::mouseClick(&notice, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(notice.isVisible());
    EXPECT_FALSE(After(59).isVisible()) << "a whole span again";

    // A question left open goes with the visit, and the photo the customer
    // was on.
    window->ActiveWin(4);
    host.messages.clear();
    QDialog question(window.get());
    question.setModal(true);
    question.show();
    After(1);
    After(IdleWatch::kWarningSeconds);
    QTRY_VERIFY(!host.messages.empty());
    EXPECT_FALSE(question.isVisible());
    EXPECT_EQ(host.messages, std::vector<int>{kMessageHandBack});
    EXPECT_EQ(station.state.photoList.GetSize(), 0);
    EXPECT_EQ(window->browse.nActiveCell, 0);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(job)));
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(dir / "card/a.jpg")));
    // The card is still in the reader.
    EXPECT_TRUE(notice.isVisible());
    EXPECT_FALSE(notice.Warning());
}

}  // namespace
}  // namespace orelle
