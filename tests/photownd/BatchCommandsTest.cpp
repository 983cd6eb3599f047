// The batch commands of the photo window: what each changes in the job,
// and that nothing touches the list while a worker holds the busy flag.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <string>
#include <vector>

#include "orderdata/ProcessState.h"
#include "photownd/ApplyChoiceDialog.h"
#include "photownd/DirApplyDialog.h"
#include "photownd/RequirementDialog.h"
#include "skin/ShowNotice.h"
#include "support/ModalAnswer.h"
#include "support/PhotoWindowFixture.h"

namespace orelle {
namespace {

using testing::ModalAnswer;

class BatchCommandsTest : public testing::PhotoWindowFixture {
  protected:
    BatchCommandsTest() {
        AddPhotos(8);
        for (std::int32_t i = 0; i < state.photoList.GetSize(); ++i)
            state.photoList.At(i).origDir = i < 4 ? "/card/A" : "/card/B";
        state.dirList.AddIfAbsent("/card/A");
        state.dirList.AddIfAbsent("/card/B");
        window->StartPageRefresh();
        window->WaitForJobs();
    }
    // Answers the apply choice dialog by pressing the buttons given.
    ModalAnswer PressInApplyChoice(std::vector<int> ids) {
        return ModalAnswer([this, ids](QDialog& d) {
            auto* choice = qobject_cast<ApplyChoiceDialog*>(&d);
            if (!choice) return int(QDialog::Rejected);
            choice->InitDialog();
            titles.push_back(d.windowTitle().toStdString());
            for (int id : ids) choice->OnCommand(id);
            return choice->result();
        });
    }
    const PhotoRecord& At(std::int32_t i) { return state.photoList.At(i); }

    std::vector<std::string> titles;
};

TEST_F(BatchCommandsTest, ApplyCopiesTheCurrentPhotosQuantityOnwardAndTheDatesOnAndOff) {
    state.photoList.At(2).number = 5;
    window->ActiveWin(2);
    auto answer = PressInApplyChoice({1426, 1428});
    // It waits while the order is placed or is a package.
    state.session.bOrderPlaced = true;
    Command(1225);
    state.session.bOrderPlaced = false;
    state.session.nOrderType = 1;
    Command(1225);
    EXPECT_TRUE(titles.empty());
    EXPECT_EQ(At(3).number, 1);
    state.session.nOrderType = 0;
    Command(1225);
    EXPECT_EQ(titles, std::vector<std::string>{"运用当前设置到其他照片文件"});
    EXPECT_EQ(At(3).number, 5);
    EXPECT_TRUE(window->applySwitches.quantity);
    EXPECT_FALSE(state.bRefreshing);
    // Dates on, then off, leave no imprint.
    for (int id : {1431, 1432}) {
        auto dates = PressInApplyChoice({id});
        Command(1225);
        EXPECT_EQ(At(7).adddatetime, id == 1431 ? 1 : 0) << id;
    }
}

TEST_F(BatchCommandsTest, FolderApplyFromF3AndItsCommand) {
    ModalAnswer answer([this](QDialog& d) {
        auto* dir = qobject_cast<DirApplyDialog*>(&d);
        if (!dir) return int(QDialog::Rejected);
        dir->InitDialog();
        titles.push_back(d.windowTitle().toStdString());
        auto* combo = dir->findChild<QComboBox*>("1036");
        EXPECT_EQ(combo->count(), 2);
        combo->setCurrentIndex(1);
        dir->findChild<QLineEdit*>("1039")->setText("3");
        dir->OnCommand(DirApplyDialog::kOkId);
        return dir->result();
    });
    Key(Qt::Key_F3);
    EXPECT_EQ(At(4).number, 3);
    EXPECT_EQ(At(4).specIndex, 1);  // the size offered first
    EXPECT_EQ(window->dirApply.folder, "/card/B");
    Command(1226);
    EXPECT_EQ(titles.size(), 2u);
}

TEST_F(BatchCommandsTest, StatisticsNoticeCountsTheSeenPhotos) {
    state.startup.config.mindpi = 0;  // the test's tiny photos would all be named
    std::string text;
    ModalAnswer answer([&](QDialog& d) {
        text = testing::DialogText(d);
        return 0;
    });
    Command(1227);
    const std::string name = state.startup.catalogue.GetName(0);
    EXPECT_EQ(text, "选定的照片明细:\r\n    " + name + ",数量:6 张\r\n");  // one page seen
    EXPECT_EQ(state.session.noticeLines, 2);
}

TEST_F(BatchCommandsTest, RequirementIsStoredWithCommas) {
    ModalAnswer answer([](QDialog& d) {
        auto* r = qobject_cast<RequirementDialog*>(&d);
        if (!r) return int(QDialog::Rejected);
        r->requirement = "a;b c";
        return int(QDialog::Accepted);
    });
    Command(1218);
    EXPECT_EQ(state.session.OrderRequirement, "a,b,c");
}

// While a worker owns the list (the busy flag), no command or key that
// touches it reaches it: none opens a dialog or changes the list or page.
TEST_F(BatchCommandsTest, NothingRunsWhileTheListIsBusy) {
    int dialogs = 0;
    ModalAnswer answer([&](QDialog&) {
        ++dialogs;
        return int(QDialog::Accepted);
    });
    state.bRefreshing = true;
    for (int id : {1216, 1217, 1218, 1219, 1221, 1222, 1224, 1225, 1226, 1231})
        window->OnCommand(id);
    for (unsigned key : {kVkNext, kVkPrior, kVkDelete, kVkO, kVkF3, kVkF5})
        window->Qkey(KeyMessage{kWmKeyDown, key});
    window->hotkey(3);
    window->hotkey(5);
    state.bRefreshing = false;
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(state.photoList.GetSize(), 8);
    EXPECT_EQ(browse().nFirstIndex, 0);
    EXPECT_FALSE(browse().bBigView);
}

}  // namespace
}  // namespace orelle
