// The two dialogs that an order placement asks: the package quantity and
// the paper.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "cell/PaperDialog.h"
#include "cell/QuantityDialog.h"
#include "skin/BitmapButton.h"
#include "support/ModalAnswer.h"
#include "support/StationSettings.h"

namespace orelle {
namespace {

using testing::MemoryFileSystem;

template <typename T>
T* Child(QWidget& parent, int id) {
    return parent.findChild<T*>(QString::number(id));
}

void Click(QWidget& dialog, int id) {
    QTest::mouseClick(Child<BitmapButton>(dialog, id), Qt::LeftButton, {}, QPoint(10, 10));
}

TEST(QuantityDialog, OnlyOneTo10000CloseIt) {
    testing::ModalRecorder modal;
    QuantityDialog dialog;
    dialog.InitDialog();
    dialog.show();
    auto* edit = Child<QLineEdit>(dialog, QuantityDialog::kEditId);
    for (const char* refused : {"0", "10001", "abc", ""}) {
        edit->setText(refused);
        Click(dialog, QuantityDialog::kOkId);
        EXPECT_TRUE(dialog.isVisible()) << refused;
        EXPECT_EQ(dialog.count, 1);
    }
    ASSERT_EQ(modal.shown.size(), 4u);
    EXPECT_EQ(modal.shown[0], "Orelle: 请输入一个在 1 和 10000 之间的整数。");
    EXPECT_EQ(modal.shown[2], "Orelle: 请输入一个整数。");
    edit->setText(" 10000 ");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.count, 10000);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

MemoryFileSystem PaperFiles(const char* param, const char* verCtrl) {
    MemoryFileSystem fs;
    testing::WriteSettings(fs, "/s/", verCtrl, param);
    return fs;
}

constexpr const char* kThreePapers =
    "[paper]\ndefpaper=1\ncount=3\nonlyf=0\n[p1]\npapername=富士\n[p2]\npapername=柯达\n"
    "[p3]\npapername=数码\n";

TEST(PaperDialog, MatteThenOkGivesTheChosenPaper) {
    MemoryFileSystem fs = PaperFiles("[other]\npaperctrl=1\nbcpaper=1\n", kThreePapers);
    PaperDialog dialog("/s/", fs);
    dialog.InitDialog();
    dialog.show();
    auto* combo = Child<QComboBox>(dialog, PaperDialog::kComboId);
    EXPECT_TRUE(combo->isVisible());
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(Child<BitmapButton>(dialog, PaperDialog::kGlossyId)->caption1, "√光面");

    Click(dialog, PaperDialog::kMatteId);
    EXPECT_EQ(Child<BitmapButton>(dialog, PaperDialog::kGlossyId)->caption1, "光面");
    EXPECT_EQ(Child<BitmapButton>(dialog, PaperDialog::kMatteId)->caption1, "√绒面");
    combo->setCurrentIndex(2);
    Click(dialog, PaperDialog::kOkId);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.finish, PaperFinish::kMatte);
    EXPECT_EQ(dialog.paperIndex, 2);
    EXPECT_EQ(dialog.paperName, "数码");
}

TEST(PaperDialog, SwitchesHideTheParts) {
    MemoryFileSystem fs = PaperFiles(
        "[other]\npaperctrl=0\n", "[paper]\ndefpaper=0\ncount=1\nonlyf=1\n[p1]\npapername=富士\n");
    PaperDialog dialog("/s/", fs);
    dialog.InitDialog();
    dialog.show();
    EXPECT_FALSE(Child<QComboBox>(dialog, PaperDialog::kComboId)->isVisible());
    EXPECT_FALSE(Child<QLabel>(dialog, PaperDialog::kLabelId)->isVisible());
    EXPECT_FALSE(Child<BitmapButton>(dialog, PaperDialog::kGlossyId)->isVisible());
    EXPECT_FALSE(Child<BitmapButton>(dialog, PaperDialog::kMatteId)->isVisible());
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.finish, PaperFinish::kGlossy);
    EXPECT_EQ(dialog.paperIndex, 0);
    EXPECT_EQ(dialog.paperName, "富士");
}

TEST(PaperDialog, AnUnknownDefaultChoosesNoPaper) {
    MemoryFileSystem fs = PaperFiles("[other]\npaperctrl=1\n",
                                     "[paper]\ndefpaper=7\ncount=1\n[p1]\npapername=富士\n");
    PaperDialog dialog("/s/", fs);
    dialog.InitDialog();
    Click(dialog, PaperDialog::kOkId);
    EXPECT_EQ(dialog.paperIndex, -1);
    EXPECT_EQ(dialog.paperName, "");
}

}  // namespace
}  // namespace orelle
