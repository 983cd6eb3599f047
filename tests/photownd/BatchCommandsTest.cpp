// The batch commands of the photo window: what each changes in the job,
// and that nothing else runs while their worker and the page refresh it
// starts hold the busy flag.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "orderdata/ProcessState.h"
#include "photownd/ApplyChoiceDialog.h"
#include "photownd/DirApplyDialog.h"
#include "photownd/RequirementDialog.h"
#include "platform/files/FileSystem.h"
#include "skin/ShowNotice.h"
#include "support/GatedFiles.h"
#include "support/ModalAnswer.h"
#include "support/PhotoWindowFixture.h"

namespace orelle {
namespace {

using testing::ModalAnswer;

class BatchCommandsTest : public testing::PhotoWindowFixture {
  protected:
    explicit BatchCommandsTest(const Services& base = MachineServices())
        : PhotoWindowFixture(base) {
        AddPhotos(8);
        for (std::int32_t i = 0; i < state.photoList.GetSize(); ++i) {
            state.photoList.At(i).origDir = i < 4 ? "/card/A" : "/card/B";
            state.photoList.At(i).specIndex = 0;
        }
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

TEST_F(BatchCommandsTest, ApplyCopiesTheCurrentPhotosQuantityOnward) {
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
}

TEST_F(BatchCommandsTest, DatesOnThenOffLeaveNoImprint) {
    for (int id : {1431, 1432}) {
        auto answer = PressInApplyChoice({id});
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

// Commands and keys fired while the apply worker runs, and then the page
// refresh it started: none of them may run until both are over.
// The workers' writes wait at a gate while the test holds it shut, so that
// the test sees the refreshed page while the order files are still being
// written, however the threads are scheduled.
class GatedFiles : public LocalFileSystem, public testing::Gate {
  public:
    GatedFiles() : Gate(true) {}
    bool ReplaceFile(const std::string& path, std::string_view contents) override {
        if (std::this_thread::get_id() != owner_) Wait();
        return LocalFileSystem::ReplaceFile(path, contents);
    }

  private:
    std::thread::id owner_ = std::this_thread::get_id();
};

GatedFiles& Gate() {
    static GatedFiles files;  // outlives every window and worker
    return files;
}

Services GatedServices() {
    const Services m = MachineServices();
    return Services{Gate(), m.disks, m.clock, m.shell, m.registry, m.http, m.database, m.uploader};
}

class BatchUnderWriteTest : public BatchCommandsTest {
  protected:
    BatchUnderWriteTest() : BatchCommandsTest(GatedServices()) {
        // A job of its own, so that the refresh writes its order files.
        state.orderInfo.storeDDH = "261207001";
        std::filesystem::create_directories(std::filesystem::path(state.startup.config.dir) /
                                            state.startup.date.dateStr / "261207001");
    }
    ~BatchUnderWriteTest() override { Gate().Open(); }
};

TEST_F(BatchUnderWriteTest, NothingRunsUntilTheRefreshAfterTheWorkerIsOver) {
    const std::int32_t count = state.photoList.GetSize();
    state.photoList.At(0).number = 9;
    int dialogs = 0;
    auto answer = ModalAnswer([&](QDialog& d) {
        auto* choice = qobject_cast<ApplyChoiceDialog*>(&d);
        if (!choice || dialogs++ > 0) return int(QDialog::Rejected);
        choice->OnCommand(1426);
        return int(QDialog::Accepted);
    });
    Gate().Shut();
    window->OnCommand(1225);
    ASSERT_TRUE(state.bRefreshing);
    int fired = 0;
    bool cellsLetGo = false;
    bool sawRefreshUnderFlag = false;
    while (state.bRefreshing) {
        window->OnCommand(1224);
        window->OnCommand(1225);
        window->OnCommand(1216);
        window->Qkey(KeyMessage{kWmKeyDown, kVkF3});
        window->Qkey(KeyMessage{kWmKeyDown, kVkNext});
        window->hotkey(3);
        ++fired;
        // The cells let go for the worker; then the refresh fills them and
        // writes the order files, held at the gate until seen.
        if (!window->Cell(0)->surface.record) cellsLetGo = true;
        if (cellsLetGo && window->Cell(0)->surface.record && state.bRefreshing) {
            sawRefreshUnderFlag = true;
            Gate().Open();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    Gate().Open();
    window->WaitForJobs();
    EXPECT_GT(fired, 1);
    EXPECT_TRUE(sawRefreshUnderFlag) << fired << " " << cellsLetGo;
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(browse().nFirstIndex, 0);
    EXPECT_EQ(state.photoList.GetSize(), count);
    EXPECT_EQ(state.photoList.At(count - 1).number, 9);
}

}  // namespace
}  // namespace orelle
