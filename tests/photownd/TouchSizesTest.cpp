// Controls a finger can hit: every button, field and list row of the
// dialogs that no fixed layout places is at least kTouchSide tall; the
// add-photos dialog speaks Chinese down to the kinds of file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <functional>
#include <memory>

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

// The controls of a shown dialog smaller than a finger, by class and text.
std::vector<std::string> TooSmall(QWidget& dialog) {
    std::vector<std::string> small;
    const auto check = [&small](QWidget* w, int height) {
        if (w->isVisible() && height < kTouchSide)
            small.push_back(std::string(w->metaObject()->className()) + " " +
                            w->objectName().toStdString() + " " + std::to_string(height));
    };
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<QComboBox*>(w))
            check(w, w->height());
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model() &&
                                                               view->model()->rowCount(view->rootIndex()) > 0)
            check(w, view->visualRect(view->model()->index(0, 0, view->rootIndex())).height());
    }
    return small;
}

TEST(TouchSizes, EveryControlOfTheCustomersDialogsTakesAFinger) {
    testing::TempFolder dir;
    testing::WriteJpeg(dir / "Card/a.jpg", 64, 48);
    testing::WriteBytes(dir / "Card/DCIM/b.txt", "");
    Registry registry{dir / "registry.ini"};
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QDialog>()>>> dialogs{
        {"folder picker",
         [&] {
             return std::make_unique<FolderPickDialog>(dir / "Card", "选择照片目录", registry,
                                                       FileSystem::Default(), nullptr, true);
         }},
        {"add photos", [&] { return MakeAddPhotosDialog(nullptr, dir / "Card"); }},
    };
    for (const auto& [name, make] : dialogs) {
        SCOPED_TRACE(name);
        const std::unique_ptr<QDialog> dialog = make();
        dialog->show();
        // The file dialog lists its folder in the background.
        const auto listed = [&dialog] {
            for (QAbstractItemView* v : dialog->findChildren<QAbstractItemView*>())
                if (v->isVisible() && v->model() && v->model()->rowCount(v->rootIndex()) > 0)
                    return true;
            return false;
        };
        ASSERT_TRUE(QTest::qWaitFor(listed, 5000));
        EXPECT_EQ(TooSmall(*dialog), std::vector<std::string>{});
    }
    std::vector<std::string> inBox{"not run"};
    SetModalHook([&inBox](QDialog& box) {
        box.show();
        inBox = TooSmall(box);
        return int(QMessageBox::Ok);
    });
    ShowMessage(nullptr, "提示", "本次制作已经下单");
    SetModalHook(nullptr);
    EXPECT_EQ(inBox, std::vector<std::string>{});
}

TEST(TouchSizes, ThePickersPhotoRowsShowASquareThumbnail) {
    testing::TempFolder dir;
    testing::WriteJpeg(dir / "a.jpg", 640, 480);
    const QImage thumbnail = PickerThumbnail(FileSystem::Default(), dir / "a.jpg", 56);
    EXPECT_EQ(thumbnail.size(), QSize(56, 56));
    EXPECT_TRUE(PickerThumbnail(FileSystem::Default(), dir / "none.jpg", 56).isNull());
}

TEST(TouchSizes, TheAddPhotosDialogNamesKindsOfFileInChinese) {
    testing::TempFolder dir;
    testing::WriteBytes(dir / "p.JPG", "");
    testing::WriteBytes(dir / "q.png", "");
    testing::WriteBytes(dir / "r.txt", "");
    std::vector<std::string> kinds;
    for (const char* name : {"", "p.JPG", "q.png", "r.txt"})
        kinds.push_back(ChineseFileKind(QFileInfo(QString::fromStdString(dir / name))).toStdString());
    EXPECT_EQ(kinds, (std::vector<std::string>{"文件夹", "JPEG 照片", "PNG 图片", "TXT 文件"}));
}

}  // namespace
}  // namespace orelle
