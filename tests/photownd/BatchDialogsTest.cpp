// The batch dialogs on their own: what they show, what their buttons set,
// and the checks that keep them open.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <string>
#include <tuple>
#include <vector>

#include "cell/PaperDialog.h"
#include "cell/QuantityDialog.h"
#include "photownd/ApplyChoiceDialog.h"
#include "photownd/CompressionDialog.h"
#include "photownd/DirApplyDialog.h"
#include "photownd/RequirementDialog.h"
#include "photownd/WindowOrderPrompts.h"
#include "skin/BitmapButton.h"
#include "support/ModalAnswer.h"
#include "support/TestStation.h"

namespace orelle {
namespace {

using testing::ModalAnswer;

template <typename W>
W* Child(QWidget& dialog, int id) {
    return dialog.findChild<W*>(QString::number(id));
}

TEST(ApplyChoiceDialog, SwitchesTickAndActionsCloseItAsACancelWithTheirFlag) {
    ApplyChoiceDialog dialog;
    dialog.InitDialog();
    for (int id : {1425, 1427, 1426, 1426}) dialog.OnCommand(id);
    EXPECT_EQ(std::tuple(dialog.applySize, dialog.applyQuantity, dialog.applyFraming),
              std::tuple(true, false, true));
    EXPECT_EQ(Child<BitmapButton>(dialog, 1425)->caption1, "√应用尺寸");
    EXPECT_EQ(Child<BitmapButton>(dialog, 1426)->caption1, "应用数量");
    const struct {
        int id;
        ApplyChoiceDialog::Action action;
    } cases[] = {{1429, ApplyChoiceDialog::Action::kNone},
                 {1430, ApplyChoiceDialog::Action::kDirApply},
                 {1431, ApplyChoiceDialog::Action::kDatesOn},
                 {1432, ApplyChoiceDialog::Action::kDatesOff}};
    for (const auto& c : cases) {
        dialog.OnCommand(c.id);
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << c.id;
        EXPECT_EQ(dialog.action, c.action) << c.id;
    }
}

TEST(DirApplyDialog, ShowsItsListsAndOkTakesTheValuesOnlyOnceTheyAreWhole) {
    DirApplyDialog dialog(DirApplyDialog::Mode::kNormal, {"/card/DCIM/100CAM", "/card/DCIM/101CAM"},
                          {"5寸", "6寸", "大6寸"}, 2);
    dialog.InitDialog();
    auto* folders = Child<QComboBox>(dialog, 1036);
    auto* sizes = Child<QListWidget>(dialog, 1037);
    auto* quantity = Child<QLineEdit>(dialog, 1039);
    EXPECT_FALSE(folders->isHidden());
    EXPECT_TRUE(Child<QLineEdit>(dialog, 1072)->isHidden());
    EXPECT_TRUE(Child<QWidget>(dialog, 1040)->isHidden());
    ASSERT_EQ(folders->count(), 2);
    EXPECT_EQ(sizes->currentRow(), 2);

    std::vector<std::string> shown;
    ModalAnswer answer([&](QDialog& d) {
        shown.push_back(testing::DialogText(d));
        return int(QMessageBox::Ok);
    });
    folders->setEditText("");
    dialog.OnCommand(DirApplyDialog::kOkId);
    sizes->setCurrentRow(-1);
    folders->setEditText("/card");
    dialog.OnCommand(DirApplyDialog::kOkId);
    sizes->setCurrentRow(1);
    quantity->setText("1001");
    dialog.OnCommand(DirApplyDialog::kOkId);
    const std::vector<std::string> expected{"没有选择一个打开的目录名!", "没有选择照片的规格尺寸!",
                                            "请输入一个在 1 和 1000 之间的整数。"};
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_TRUE(dialog.folder.empty());

    folders->setCurrentIndex(1);
    sizes->setCurrentRow(0);
    Child<QListWidget>(dialog, 1038)->setCurrentRow(1);
    quantity->setText("12");
    dialog.OnCommand(DirApplyDialog::kOkId);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(
        std::tuple(dialog.folder, dialog.sizeIndex, dialog.framing, dialog.quantity, dialog.matte),
        std::tuple("/card/DCIM/101CAM", 0, 1, 12, 0));
}

TEST(DirApplyDialog, TheAppendModeShowsItsFolderAndNeedsNoChoice) {
    DirApplyDialog dialog(DirApplyDialog::Mode::kAppend, {}, {"5寸"}, 0);
    dialog.appendFolder = "/card/new";
    dialog.InitDialog();
    EXPECT_TRUE(Child<QComboBox>(dialog, 1036)->isHidden());
    EXPECT_EQ(Child<QLineEdit>(dialog, 1072)->text().toStdString(), "/card/new");
    dialog.OnCommand(DirApplyDialog::kOkId);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.folder, "/card/new");
}

TEST(RequirementDialog, ShowsTheStatisticsAndKeepsTheTypedText) {
    RequirementDialog dialog("选定的照片明细:\r\n    5寸,数量:2 张\r\n", "旧要求");
    dialog.InitDialog();
    auto* stats = Child<QPlainTextEdit>(dialog, 1014);
    auto* typed = Child<QPlainTextEdit>(dialog, 1015);
    EXPECT_TRUE(stats->isReadOnly());
    EXPECT_TRUE(stats->toPlainText().contains(QString::fromUtf8("5寸,数量:2 张")));
    EXPECT_EQ(typed->toPlainText().toStdString(), "旧要求");
    // Past 100 bytes nothing more is taken.
    typed->setPlainText(QString::fromUtf8(std::string(60, 'x').c_str()) +
                        QString::fromUtf8("请多印一些再多印一些再多印一些再多印一些再多印一些"));
    EXPECT_EQ(typed->toPlainText().size(), 60 + 20);
    dialog.OnCommand(1325);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const std::string taken = dialog.requirement;
    EXPECT_EQ(taken.size(), 60u + 20u * 3u);
    // Cancel keeps the requirement.
    typed->setPlainText(QStringLiteral("new"));
    dialog.OnCommand(1326);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.requirement, taken);
}

// The window's side of placing an order: each prompt gives back what its
// dialog was answered.
TEST(WindowOrderPrompts, EachPromptReturnsTheAnswerOfItsDialog) {
    testing::TempFolder dir;
    testing::TestStation station(dir);
    BackOfficeLogin login;
    WindowOrderPrompts prompts(station.state, station.services, login, nullptr);
    ModalAnswer answer([](QDialog& d) {
        if (auto* count = qobject_cast<QuantityDialog*>(&d)) {
            count->InitDialog();
            Child<QLineEdit>(*count, QuantityDialog::kEditId)->setText("4");
            count->OnCommand(QuantityDialog::kOkId);
        } else if (auto* paper = qobject_cast<PaperDialog*>(&d)) {
            paper->InitDialog();
            paper->OnCommand(PaperDialog::kMatteId);
            paper->OnCommand(PaperDialog::kOkId);
        } else if (auto* rate = qobject_cast<CompressionDialog*>(&d)) {
            rate->InitDialog();
            Child<QListWidget>(*rate, 1041)->setCurrentRow(0);
            rate->OnCommand(CompressionDialog::kOkId);
        } else if (auto* typed = qobject_cast<RequirementDialog*>(&d)) {
            typed->InitDialog();
            Child<QPlainTextEdit>(*typed, 1015)->setPlainText(QStringLiteral("加急"));
            typed->OnCommand(1325);
        }
        return d.result();
    });
    EXPECT_EQ(prompts.PackageCount(), 4);
    EXPECT_EQ(prompts.Paper().finish, PaperFinish::kMatte);
    EXPECT_EQ(prompts.CompressionRate(), 95);
    EXPECT_EQ(prompts.Requirements("", "旧要求"), "加急");
}

}  // namespace
}  // namespace orelle
