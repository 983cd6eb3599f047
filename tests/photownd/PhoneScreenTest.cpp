// A phone session from the photo window: the QR screen, photos arriving
// from a client over the station's own server, done and cancel.
#include <gtest/gtest.h>
#include <httplib.h>

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "phone/PhoneDialog.h"
#include "phone/PhoneFolders.h"
#include "platform/messages/HostMessage.h"
#include "support/ModalAnswer.h"
#include "support/PhonePhotos.h"
#include "support/PhotoWindowFixture.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

class PhoneScreenTest : public testing::PhotoWindowFixture {
  protected:
    PhoneScreenTest() {
        // The page is served on the loopback address, on any free port.
        testing::WriteBytes(dir / "param.ini",
                            "[phone]\r\nenabled=1\r\naddress=127.0.0.1\r\nport=0\r\n");
        state.startup.settingsFolder = dir.path() + "/";
    }
    bool Open() {
        CPhotoWnd::PhoneOptions wait;
        wait.served = [this](const std::string& a) { address = a; };
        wait.ended = [this](bool photos) { ended.push_back(photos); };
        return window->OpenPhone(false, wait);
    }
    int Post(const std::string& tail, const std::string& body) {
        const std::string rest = address.substr(address.find("//") + 2);
        const std::string hostPort = rest.substr(0, rest.find('/'));
        httplib::Client client("http://" + hostPort);
        const auto r =
            client.Post(rest.substr(rest.find('/')) + tail, body, "application/octet-stream");
        return r ? r->status : 0;
    }
    std::string address;
    std::vector<bool> ended;
};

TEST_F(PhoneScreenTest, TheQrCodeReadsBackAsTheServedAddress) {
    const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    if (zbarimg.isEmpty()) GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
    ASSERT_TRUE(Open());
    const QString picture = QString::fromStdString(dir / "qr.png");
    ASSERT_TRUE(window->PhoneScreen()->grab().save(picture));
    QProcess zbar;
    zbar.start(zbarimg, {QStringLiteral("--raw"), QStringLiteral("-q"), picture});
    ASSERT_TRUE(zbar.waitForFinished(10000));
    EXPECT_EQ(zbar.readAllStandardOutput().trimmed().toStdString(), address);
    EXPECT_NE(address.find("http://127.0.0.1:"), std::string::npos);
}

TEST_F(PhoneScreenTest, CancelAndHomeEndASessionAndTheNextOnesPhotosBecomeTheJob) {
    ASSERT_TRUE(Open());
    const std::string folder = PhoneStationFolder(
        state.startup.config.dir, state.startup.settingsFolder, station.services.files);
    const std::string first = address;
    EXPECT_EQ(Post("photo?name=a.jpg", testing::JpegBytes(64, 48)), 200);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->PhoneScreen()->Shown() == 1; }, 5000));
    EXPECT_FALSE(std::filesystem::is_empty(folder));
    int answer = QMessageBox::No;  // photos received: cancel asks, No keeps the screen
    testing::ModalAnswer modal([&answer](QDialog&) { return answer; });
    auto* cancel =
        window->PhoneScreen()->findChild<QPushButton*>(QString::number(PhoneDialog::kCancelId));
    cancel->click();
    ASSERT_TRUE(window->PhoneOpen());
    answer = QMessageBox::Yes;
    cancel->click();
    EXPECT_FALSE(window->PhoneOpen());
    EXPECT_EQ(state.photoList.GetSize(), 0);
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    EXPECT_EQ(Post("photo?name=b.jpg", testing::JpegBytes(64, 48)), 410);  // the link ended
    // The next customer: a new address, nothing shown; home ends it too.
    ASSERT_TRUE(Open());
    EXPECT_NE(address, first);
    EXPECT_EQ(window->PhoneScreen()->Shown(), 0);
    EXPECT_EQ(Post("photo?name=c.jpg", testing::JpegBytes(64, 48)), 200);
    window->EndJob();
    EXPECT_FALSE(window->PhoneOpen());
    EXPECT_TRUE(std::filesystem::is_empty(folder));

    ASSERT_TRUE(Open());
    host.messages.clear();
    EXPECT_EQ(Post("photo?name=IMG_0001.JPG", testing::JpegBytes(640, 480)), 200);
    EXPECT_EQ(Post("photo?name=Holiday.jpg", testing::JpegBytes(480, 640)), 200);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->PhoneScreen()->Shown() == 2; }, 5000));
    EXPECT_EQ(Post("done", ""), 200);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return !window->PhoneOpen() && !state.bRefreshing; }, 5000));
    window->WaitForJobs();
    EXPECT_EQ(state.photoList.GetSize(), 2);
    EXPECT_EQ(ended, (std::vector<bool>{false, true}));
    EXPECT_TRUE(std::filesystem::is_empty(folder));  // copied into the job, then gone
    EXPECT_EQ(std::count(host.messages.begin(), host.messages.end(), kMessageHandBack), 1);
}

TEST_F(PhoneScreenTest, DoneWaitsForPhotosOnTheirWayAndNeverEndsEmpty) {
    ASSERT_TRUE(Open());
    auto* done =
        window->PhoneScreen()->findChild<QPushButton*>(QString::number(PhoneDialog::kDoneId));
    auto* said = window->PhoneScreen()->findChild<QLabel*>(QString::number(PhoneDialog::kCountId));
    EXPECT_EQ(Post("done", ""), 409);
    done->click();
    ASSERT_TRUE(window->PhoneOpen());
    EXPECT_EQ(said->text(), QString::fromUtf8("还没有收到照片,请在手机上选择照片"));
    EXPECT_EQ(Post("photo?name=a.jpg&left=1", testing::JpegBytes(64, 48)), 200);
    done->click();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return said->text().contains(QString::fromUtf8("还有 1 张")); }));
    EXPECT_EQ(Post("photo?name=b.jpg&left=0", testing::JpegBytes(48, 64)), 200);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return !window->PhoneOpen() && !state.bRefreshing; }, 5000));
    window->WaitForJobs();
    EXPECT_EQ(state.photoList.GetSize(), 2);
    EXPECT_EQ(ended, std::vector<bool>{true});
}

TEST(PhoneThumbnail, IsDrawnForJpegAndPngOnly) {
    const QImage fromJpeg = PhoneThumbnail(testing::JpegBytes(800, 600), 96);
    EXPECT_FALSE(fromJpeg.isNull());
    EXPECT_LE(std::max(fromJpeg.width(), fromJpeg.height()), 96);
    const std::string png = testing::PngBytes(testing::CornerPicture(1200, 900));
    EXPECT_FALSE(PhoneThumbnail(png, 96).isNull());
    EXPECT_TRUE(PhoneThumbnail("not a photo at all", 96).isNull());
}

}  // namespace
}  // namespace orelle
