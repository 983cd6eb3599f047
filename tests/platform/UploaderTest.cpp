#include <gtest/gtest.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <filesystem>
#include <memory>

#include "platform/uploader/Uploader.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::TempFolder;

std::string SocketName() { return "orelle-uploader-test-" + std::to_string(::getpid()); }

TEST(UploaderTest, ARunningUploaderGetsOneLineWithTheTwoValues) {
    QLocalServer server;
    ASSERT_TRUE(server.listen(QString::fromStdString(SocketName())));
    TempFolder programs;
    LocalUploader uploader(SocketName(), programs.path() + "/");

    EXPECT_EQ(uploader.NewOrder(20150307, 7), UploaderHandOff::kSent);

    ASSERT_TRUE(server.waitForNewConnection(2000));
    std::unique_ptr<QLocalSocket> peer(server.nextPendingConnection());
    QByteArray got;
    QElapsedTimer clock;
    clock.start();
    while (!got.endsWith('\n') && clock.elapsed() < 2000) {
        peer->waitForReadyRead(100);
        got += peer->readAll();
    }
    EXPECT_EQ(got.toStdString(), "2028 20150307 7\n");
}

TEST(UploaderTest, WithoutOneRunningTheProgramOfTheFolderStartsIfInstalled) {
    TempFolder programs;
    const std::string marker = programs / "started";
    const std::string program = programs / kUploaderProgram;
    LocalUploader uploader(SocketName() + "-none", programs.path() + "/");
    EXPECT_EQ(uploader.NewOrder(20150307, 7), UploaderHandOff::kFailed) << "nor installed";
    testing::WriteBytes(program, "#!/bin/sh\npwd > '" + marker + "'\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    EXPECT_EQ(uploader.NewOrder(20150307, 7), UploaderHandOff::kStarted);

    QElapsedTimer clock;
    clock.start();
    while (testing::ReadBytes(marker).empty() && clock.elapsed() < 5000) QThread::msleep(20);
    // Started in its own folder, as a program opened from it is.
    EXPECT_EQ(testing::ReadBytes(marker), programs.path() + "\n");
}

}  // namespace
}  // namespace orelle
