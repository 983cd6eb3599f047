#include "platform/shell/Shell.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <thread>

namespace orelle {
namespace {

#ifndef _WIN32
// Regression: a start was success as soon as the program ran, so xdg-open
// without any browser "opened" the page and the customer saw nothing.
TEST(DesktopShell, AProgramThatFailsAtOnceDidNotStartOneStillRunningDid) {
    Shell& shell = Shell::Default();
    EXPECT_LE(shell.Run("false", kShowNormal), 31);
    EXPECT_LE(shell.Run("/no/such/program", kShowNormal), 31);
    EXPECT_GT(shell.Run("true", kShowNormal), 31);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_GT(shell.Run("sleep 1.5", kShowNormal), 31);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1400));
    // The still running program ends; its process object goes with it.
    while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(2000)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
#endif

}  // namespace
}  // namespace orelle
