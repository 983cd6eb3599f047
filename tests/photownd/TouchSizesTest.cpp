// What a customer touches: every button, field and first list row of the
// dialogs that no fixed layout places is at least kTouchSide tall; the
// kiosk's home page offers phones where the shop does.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "KioskFrame.h"
#include "orderdata/ProcessState.h"
#include "phone/PhoneDialog.h"
#include "photownd/AddPhotosDialog.h"
#include "photownd/ChineseFileModel.h"
#include "photownd/FolderPickDialog.h"
#include "platform/files/FileSystem.h"
#include "platform/registry/Registry.h"
#include "skin/ModalRunner.h"
#include "skin/TouchSizes.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

// The shown dialog's controls that are too small; nothing while a list is
// still empty.
std::optional<std::vector<std::string>> TooSmall(QWidget& dialog) {
    std::vector<std::string> small;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        int height = w->height();
        if (qobject_cast<QHeaderView*>(w)) continue;  // its sections are no rows
        if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->isVisible() && v->model()) {
            if (v->model()->rowCount(v->rootIndex()) == 0) return std::nullopt;
            height = v->visualRect(v->model()->index(0, 0, v->rootIndex())).height();
        } else if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLineEdit*>(w) &&
                   !qobject_cast<QComboBox*>(w)) {
            continue;
        }
        if (w->isVisible() && height < kTouchSide)
            small.push_back(w->objectName().toStdString() + " " + std::to_string(height));
    }
    return small;
}

TEST(TouchSizes, ThePickerTheAddPhotosDialogAndTheMessageBoxTakeAFingerAndSpeakChinese) {
    testing::TempFolder dir;
    testing::WriteJpeg(dir / "Card/a.jpg", 640, 480);
    Registry registry{dir / "registry.ini"};
    FolderPickDialog picker(dir / "Card", "选择照片目录", registry, FileSystem::Default(), nullptr,
                            true);
    for (QDialog* dialog :
         {static_cast<QDialog*>(&picker),
          static_cast<QDialog*>(MakeAddPhotosDialog(&picker, dir / "Card").release())}) {
        dialog->show();
        // The file dialog lists its folder in the background.
        ASSERT_TRUE(QTest::qWaitFor([dialog] { return TooSmall(*dialog).has_value(); }, 5000));
        EXPECT_EQ(*TooSmall(*dialog), std::vector<std::string>{});
    }
    std::optional<std::vector<std::string>> inBox;
    SetModalHook([&inBox](QDialog& box) { return box.show(), inBox = TooSmall(box), 0; });
    ShowMessage(nullptr, "提示", "本次制作已经下单");
    SetModalHook(nullptr);
    EXPECT_EQ(inBox.value_or(std::vector<std::string>{"no box"}), std::vector<std::string>{});
    // The picker's photo rows show a square thumbnail; the add-photos
    // dialog names kinds of file in Chinese.
    EXPECT_EQ(PickerThumbnail(FileSystem::Default(), dir / "Card/a.jpg", 56).size(), QSize(56, 56));
    std::vector<std::string> kinds;
    for (const char* name : {".", "p.JPG", "q.png", "r.txt"})
        kinds.push_back(ChineseFileKind(QFileInfo(QString::fromUtf8(name))).toStdString());
    EXPECT_EQ(kinds, (std::vector<std::string>{"文件夹", "JPEG 照片", "PNG 图片", "TXT 文件"}));
}

TEST(KioskHome, ThePhoneButtonIsOfferedWithPhonesAndOpensTheCodeAtOnce) {
    testing::TempFolder dir;
    StartupData& startup = Process().startup;
    const StartupData saved = startup;
    startup.config.dir = dir / "backup";
    startup.settingsFolder = dir.path() + "/";
    for (const std::string enabled : {"0", "1"}) {
        testing::WriteBytes(dir / "param.ini", "[phone]\r\nenabled=" + enabled +
                                                   "\r\naddress=127.0.0.1\r\nport=0\r\n");
        app::KioskFrame frame({}, {});
        frame.show();
        auto* phone = frame.findChild<QPushButton*>(app::KioskFrame::kPhoneButton);
        ASSERT_EQ(phone && phone->isVisible(), enabled == "1");
        // Regression: the frame's style sheet never reached it.
        EXPECT_EQ(frame.grab().toImage().pixelColor(10, 700), QColor(40, 40, 48));
        if (enabled == "0") continue;
        QTest::mouseClick(phone, Qt::LeftButton);
        EXPECT_TRUE(frame.findChild<PhoneDialog*>() &&
                    frame.findChild<PhoneDialog*>()->isVisible());
        frame.ShowHome();
    }
    startup = saved;
}

}  // namespace
}  // namespace orelle
