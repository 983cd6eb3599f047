// The kiosk's home page: the phone button is there where the shop offers
// phones, and goes straight to the code to scan.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "KioskFrame.h"
#include "orderdata/ProcessState.h"
#include "phone/PhoneDialog.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

TEST(KioskHome, ThePhoneButtonIsOfferedWithPhonesAndOpensTheCodeAtOnce) {
    ProcessState& process = Process();
    testing::TempFolder dir;
    const StartupData saved = process.startup;
    process.startup.config.dir = dir / "backup";
    process.startup.settingsFolder = dir.path() + "/";
    for (const char* enabled : {"0", "1"}) {
        testing::WriteBytes(dir / "param.ini", std::string("[phone]\r\nenabled=") + enabled +
                                                   "\r\naddress=127.0.0.1\r\nport=0\r\n");
        app::KioskFrame frame({}, {});
        frame.show();
        auto* phone = frame.findChild<QPushButton*>(app::KioskFrame::kPhoneButton);
        ASSERT_NE(phone, nullptr);
        EXPECT_EQ(phone->isVisible(), *enabled == '1');
        if (!phone->isVisible()) continue;
        QTest::mouseClick(phone, Qt::LeftButton);
        const auto* screen = frame.findChild<PhoneDialog*>();
        ASSERT_NE(screen, nullptr);
        EXPECT_TRUE(screen->isVisible());
        frame.ShowHome();
    }
    process.startup = saved;
}

}  // namespace
}  // namespace orelle
