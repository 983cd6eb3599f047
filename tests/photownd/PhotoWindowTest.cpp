#include "photownd/PhotoWindow.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "cell/CellCommands.h"
#include "cell/PhotoCell.h"
#include "orderdata/ProcessState.h"
#include "orelle/HostMessage.h"
#include "orelle/KeyMessage.h"
#include "photownd/ToolBarWnd.h"
#include "skin/BitmapButton.h"
#include "skin/DiscardQuestion.h"
#include "skin/SkinBitmaps.h"
#include "support/ModalAnswer.h"
#include "support/PhotoWindowFixture.h"

namespace orelle {
namespace {

using testing::ModalAnswer;

class PhotoWindowTest : public testing::PhotoWindowFixture {
  protected:
    // A job of n photos on its first page.
    void Open(int n) {
        AddPhotos(n);
        window->StartPageRefresh();
        window->WaitForJobs();
    }
};

TEST_F(PhotoWindowTest, QtsOwnDialogsSpeakChinese) {
    QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QStringLiteral("是")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().contains(QStringLiteral("否")));
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    const QDialogButtonBox* buttons = files.findChild<QDialogButtonBox*>();
    ASSERT_TRUE(buttons);
    EXPECT_TRUE(buttons->button(QDialogButtonBox::Cancel)->text().contains(QStringLiteral("取消")));
}

TEST_F(PhotoWindowTest, ActiveCellAndTheHostsMessages) {
    host.messages.clear();
    window->ActiveWin(6);
    window->ActiveWin(-1);
    EXPECT_TRUE(host.messages.empty());
    window->ActiveWin(2);
    EXPECT_EQ(host.messages, std::vector<int>{kMessageIndexChanged});
    EXPECT_TRUE(window->Cell(2)->active);
    EXPECT_FALSE(window->Cell(0)->active);
}

// The paging, copy and delete wiring as one script: what each key or
// command (on the cell made active, its question answered) leaves shown.
TEST_F(PhotoWindowTest, KeysAndCommandsMoveCopyAndDeleteOnTheShownPage) {
    Open(13);
    const int no = QDialog::Rejected, yes = QDialog::Accepted;
    const struct {
        int activate, key, command, answer;
        std::int32_t first, active, size;
        const char* shown;  // in the active cell
    } steps[] = {
        {5, 0, 0, yes, 0, 5, 13, "img_5.jpg"},
        {-1, Qt::Key_Right, 0, yes, 0, 0, 13, "img_0.jpg"},  // the arrows wrap
        {-1, Qt::Key_Return, 0, yes, 6, 0, 13, "img_6.jpg"},
        {-1, 0, 1222, yes, 12, 0, 13, "img_12.jpg"},
        {-1, 0, 1223, yes, 0, 0, 13, "img_0.jpg"},
        {-1, 0, 1217, no, 0, 0, 13, "img_0.jpg"},
        {-1, 0, 1222, yes, 12, 0, 13, "img_12.jpg"},
        {-1, 0, 1217, yes, 12, 0, 12, ""},  // the only photo of its page
        {-1, 0, 1221, yes, 6, 0, 12, "img_6.jpg"},
        {5, 0, 1216, yes, 12, 0, 13, "img_11##1.jpg"},  // a copy opens the next page
        {-1, 0, 1223, yes, 0, 0, 13, "img_0.jpg"},
        {2, 0, 1216, yes, 0, 3, 14, "img_2##1.jpg"},  // inside a page: the next cell
    };
    int answer = yes;
    ModalAnswer modal([&](QDialog&) { return answer; });
    for (const auto& s : steps) {
        const std::string step = std::to_string(&s - steps);
        answer = s.answer;
        if (s.activate >= 0) window->ActiveWin(s.activate);
        if (s.key) Key(s.key);
        if (s.command) Command(s.command);
        EXPECT_EQ(browse().nFirstIndex, s.first) << step;
        EXPECT_EQ(browse().nActiveCell, s.active) << step;
        EXPECT_EQ(state.photoList.GetSize(), s.size) << step;
        EXPECT_EQ(Shown(s.active), *s.shown ? dir / s.shown : "") << step;
    }
    EXPECT_FALSE(testing::ReadBytes(dir / "img_12.jpg").empty()) << "a deleted photo's file";
    EXPECT_TRUE(browse().bKeysEnabled);
    // The arrows wrap in the six-cell view only, and wait for a refresh.
    window->ActiveWin(0);
    browse().bBigView = true;
    Key(Qt::Key_Left);
    EXPECT_EQ(browse().nActiveCell, 0);
    browse().bBigView = false;
    state.bRefreshing = true;
    window->Qkey(KeyMessage{kWmKeyDown, kVkUp});
    EXPECT_EQ(browse().nActiveCell, 0);
    state.bRefreshing = false;
}

TEST_F(PhotoWindowTest, LeavingTheBigViewShowsThePageOfItsPhotoAndTheButtonTheOtherView) {
    Open(13);
    PhotoCell* first = window->Cell(0);
    first->ToggleBigView();
    EXPECT_TRUE(browse().bBigView);
    EXPECT_FALSE(window->Cell(1)->isVisible());
    first->ToggleBigView();  // back on the same photo: the page stays
    EXPECT_FALSE(state.bRefreshing);
    EXPECT_TRUE(window->Cell(1)->isVisible());

    first->ToggleBigView();
    browse().nBigIndex = 8;  // the keys moved on in the big view
    first->ToggleBigView();
    window->WaitForJobs();
    EXPECT_EQ(browse().nFirstIndex, 6);
    EXPECT_EQ(Shown(0), dir / "img_6.jpg");

    // Regression: the view button flipped on its own clicks only, so after
    // a double click it offered the view already shown.
    const BitmapButton* view = window->ToolBar()->Button(ToolBarWnd::kViewButton);
    window->Cell(0)->ToggleBigView();  // a double click
    EXPECT_EQ(view->pictureId, skinres::kToolSmallView);
    window->SetImageDlgToNormal();  // as a new job does
    EXPECT_EQ(view->pictureId, skinres::kToolBigView);
    Command(1219);
    EXPECT_TRUE(browse().bBigView);
    EXPECT_EQ(view->pictureId, skinres::kToolSmallView);
    window->Cell(0)->ToggleBigView();
    Command(1219);
    EXPECT_TRUE(browse().bBigView);
}

// Regression: the first page of a job showed grey cells with the captions
// of no photo before its photos, and the previous customer's cells stayed
// behind the next one's folder picker.
TEST_F(PhotoWindowTest, CellsAppearOnlyWithTheirPage) {
    const auto shownCells = [this] {
        int n = 0;
        for (int i = 0; i < 6; ++i) n += window->Cell(i)->isVisible();
        return n;
    };
    EXPECT_EQ(shownCells(), 0);
    Open(2);
    EXPECT_EQ(shownCells(), 6);
    EXPECT_TRUE(window->Cell(1)->surface.HasImage());
    EXPECT_EQ(window->Cell(2)->Button(cellid::kPrintSize)->caption1, "");
    window->EndJob();
    EXPECT_EQ(shownCells(), 0);
}

TEST_F(PhotoWindowTest, CopiesGoToTheWorkFolderAndFitTheirFields) {
    // A photo used where the customer keeps it: its copy is the station's.
    state.orderInfo.backupDir = dir / "work/";
    std::filesystem::create_directories(dir / "work");
    Open(1);
    Command(1216);
    PhotoList& list = state.photoList;
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.At(1).srcName, dir / "work/img_0##1.jpg");
    EXPECT_TRUE(std::filesystem::exists(list.At(1).srcName));
    EXPECT_FALSE(std::filesystem::exists(dir / "img_0##1.jpg")) << "the customer's folder";

    // A stored name that nearly fills its field leaves no room for "##1":
    // no copy.
    const std::string name = std::string(164, 'n') + ".jpg";
    std::filesystem::copy_file(list.At(0).srcName, dir / ("work/" + name));
    list.At(0).srcName = dir / ("work/" + name);
    list.At(0).dstName = name;  // 168 bytes
    std::vector<std::string> notices;
    ModalAnswer modal([&](QDialog& d) {
        notices.push_back(testing::DialogText(d));
        return 0;
    });
    window->ActiveWin(0);
    Command(1216);
    EXPECT_EQ(list.GetSize(), 2);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("目录名太长"), std::string::npos) << notices[0];
}

// The shipped prices: 5寸 0.80, 6寸 1.00.
TEST_F(PhotoWindowTest, ThePriceLineFollowsEditsCopiesAndDeletes) {
    Open(3);  // 5寸, one print each
    EXPECT_EQ(window->PriceLine(), "共 3 张 门市价¥2.40");
    QTest::mouseClick(window->Cell(1)->Button(cellid::kPlus), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(window->PriceLine(), "共 4 张 门市价¥3.20");
    window->Cell(0)->OnCommand(10000 + 1);
    EXPECT_EQ(window->PriceLine(), "共 4 张 门市价¥3.40");
    window->ActiveWin(0);
    Command(1216);
    EXPECT_EQ(window->PriceLine(), "共 5 张 门市价¥4.40");
    ModalAnswer modal([](QDialog&) { return QDialog::Accepted; });
    Command(1217);  // the copy, now the active photo
    EXPECT_EQ(window->PriceLine(), "共 4 张 门市价¥3.40");
    state.session.bOrderPlaced = true;
    Command(1215);  // home: the job is over
    EXPECT_EQ(window->PriceLine(), "");
}

// Asked before photos are lost: home with an order not placed, an order
// that leaves photos out that no page showed (Yes shows them).
TEST_F(PhotoWindowTest, HomeAndAnOrderWithPhotosNotSeenAskFirst) {
    Open(8);
    int answer = QMessageBox::No;
    std::vector<std::string> asked;
    ModalAnswer modal([&](QDialog& d) {
        asked.push_back(testing::DialogText(d));
        return answer;
    });
    Command(1215);
    Command(1220);
    EXPECT_EQ(state.photoList.GetSize(), 8);
    EXPECT_EQ(asked.at(0), kDiscardQuestion);
    EXPECT_EQ(asked.at(1), "还有 2 张照片没有浏览,不会冲印\n要先看看这些照片吗?");
    EXPECT_GT(asked.size(), 2u) << "No: the order goes on to its dialogs";
    answer = QMessageBox::Yes;
    Command(1220);
    EXPECT_EQ(state.photoList.GetPCount(), 8) << "their page shown";
    Command(1215);
    EXPECT_EQ(state.photoList.GetSize(), 0);
}

}  // namespace
}  // namespace orelle
