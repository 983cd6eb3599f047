// Starting a job from a folder, and appending photos to it, through the
// photo window with every dialog answered by the test.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "cell/PrintSizeChooser.h"
#include "orderdata/CustomerMedia.h"
#include "orderdata/FolderLoad.h"
#include "orelle/HostMessage.h"
#include "photownd/BackupDialog.h"
#include "photownd/ChineseFileModel.h"
#include "photownd/FolderPickDialog.h"
#include "photownd/PhotoCommands.h"
#include "photownd/PrintCountDialog.h"
#include "platform/paths/Paths.h"
#include "platform/text/ChineseLocale.h"
#include "skin/ProgressBarWnd.h"
#include "support/FakeDisks.h"
#include "support/GatedFiles.h"
#include "support/ModalAnswer.h"
#include "support/PhotoWindowFixture.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

using testing::DialogText;
using testing::ModalAnswer;

// The fakes come first: the window is built on them.
struct LoadFakes {
    testing::FakeDisks disks;
    testing::FailingCopies files;
};

class FolderLoadTest : protected LoadFakes, public testing::PhotoWindowFixture {
  protected:
    FolderLoadTest() : PhotoWindowFixture(WithFakes()) {}

    Services WithFakes() {
        Services machine = MachineServices();
        return Services{files, disks, machine.clock, machine.shell, machine.registry};
    }

    void Load(const std::string& folder) {
        window->currentFolder = folder;
        window->LoadFolder();
        window->WaitForJobs();
    }
    void Photos(std::initializer_list<const char*> names, int w = 20, int h = 20) {
        for (const char* name : names) testing::WriteJpeg(dir / name, w, h);
    }

    std::vector<std::string> shown;
};

// Appending: the file dialog picks three files, the size chooser and the
// count dialog are answered, the backup dialog runs for real.
TEST_F(FolderLoadTest, TheNextCustomerNeverSeesThePreviousJob) {
    Photos({"card1/a.jpg", "card1/b.jpg", "card2/c.jpg"});
    Load(dir / "card1");
    const std::string first = state.orderInfo.storeDDH;
    // Shown again, the window refreshes its page; home ends the job.
    window->hide();
    window->show();
    host.messages.clear();
    Command(1215);
    EXPECT_EQ(std::count(host.messages.begin(), host.messages.end(), kMessageHandBack), 1);
    for (int i = 0; i < 6; ++i) EXPECT_FALSE(window->Cell(i)->surface.HasImage()) << i;

    // A new job starts even while the page of a shown window refreshes.
    Load(dir / "card1");
    window->hide();
    window->show();
    ASSERT_TRUE(window->SettleRefresh());
    window->OpenFolder(dir / "card2", {});
    window->WaitForJobs();
    EXPECT_NE(state.orderInfo.storeDDH, first);
    ASSERT_EQ(state.photoList.GetSize(), 1);
    EXPECT_EQ(state.photoList.At(0).origName, "c.jpg");
}

// The customer browses the first page while the rest of the card is copied
// behind it: nothing that could clash with the photos still to come is
// done, and the count grows on the window's index line and the host's.
TEST_F(FolderLoadTest, BehindTheFirstPageNoOrderCopyDeleteOrAppendAndTheCountGrows) {
    for (const char* name : {"big/p1.jpg", "big/p2.jpg", "big/p3.jpg", "big/p4.jpg", "big/p5.jpg",
                             "big/p6.jpg", "big/p7.jpg", "big/p8.jpg"})
        Photos({name});
    testing::Gate gate;
    files.beforeCopy = [&](const std::string& from) {
        if (from.ends_with("p8.jpg")) gate.Wait();
    };
    window->currentFolder = dir / "big";
    window->LoadFolder();
    while (state.photoList.GetSize() < 7 || state.bRefreshing)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_FALSE(window->ProgressBar()->isVisible()) << "the page is the customer's";
    testing::ModalRecorder dialogs;
    for (const int id : {kCommandOrder, kCommandCopy, kCommandDelete, kCommandAddPhotos})
        window->OnCommand(id);
    EXPECT_EQ(dialogs.shown,
              std::vector<std::string>(4, std::string("Orelle: ") + kStillCopyingMessage));
    EXPECT_EQ(state.photoList.GetSize(), 7);
    EXPECT_FALSE(state.session.bOrderPlaced);
    EXPECT_NE(std::count(host.messages.begin(), host.messages.end(), kMessageIndexChanged), 0);
    gate.Open();
    window->WaitForJobs();
    EXPECT_EQ(window->GetIndexStr(), "当前第1张/总共8张");
}

class AppendPhotosTest : public FolderLoadTest {
  protected:
    AppendPhotosTest() {
        Photos({"card/a.jpg", "more/one.JPG", "more/two.jpeg", "more/three.bmp"});
        ModalAnswer modal(
            [](QDialog& d) { return qobject_cast<QMessageBox*>(&d) ? int(QMessageBox::Yes) : 0; });
        Load(dir / "card");
        window->openNumber = 40;
    }

    int Answer(QDialog& d) {
        if (auto* picker = qobject_cast<QFileDialog*>(&d)) {
            picker->setDirectory(QString::fromStdString(dir / "more"));
            picker->selectFile(QStringLiteral("\"one.JPG\" \"two.jpeg\" \"three.bmp\""));
            return QDialog::Accepted;
        }
        if (auto* chooser = qobject_cast<PrintSizeChooser*>(&d)) {
            chooser->chosenIndex = chosenSize;
            return chosenSize < 0 ? PrintSizeChooser::kNotPicked : PrintSizeChooser::kPicked;
        }
        if (auto* count = qobject_cast<PrintCountDialog*>(&d)) {
            count->count = 2;
            return QDialog::Accepted;
        }
        if (auto* backup = qobject_cast<BackupDialog*>(&d)) {
            // Cancel while the worker copies a file.
            if (cancel) QTimer::singleShot(10, backup, [this, backup] { WaitThenCancel(backup); });
            return backup->exec();
        }
        shown.push_back(DialogText(d));
        return 0;
    }
    // The add-photos command with the dialogs answered by Answer.
    void Append() {
        ModalAnswer modal([this](QDialog& d) { return Answer(d); });
        Command(1231);
    }
    void WaitThenCancel(BackupDialog* backup) {
        while (!copying) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        backup->OnCommand(BackupDialog::kCancelId);
    }

    int chosenSize = 5;
    bool cancel = false;
    std::atomic<bool> copying{false};
};

TEST_F(AppendPhotosTest, ThePageShowsTheFirstAddedPhoto) {
    Photos({"card8/p0.jpg", "card8/p1.jpg", "card8/p2.jpg", "card8/p3.jpg", "card8/p4.jpg",
            "card8/p5.jpg", "card8/p6.jpg", "card8/p7.jpg"});
    Load(dir / "card8");
    Append();
    const PhotoList& list = state.photoList;
    ASSERT_EQ(list.GetSize(), 10);
    EXPECT_EQ(browse().nFirstIndex, 6);
    EXPECT_EQ(Shown(2), list.At(8).srcName) << "the first added photo is on show";
    EXPECT_EQ(Shown(3), list.At(9).srcName);
    EXPECT_EQ(std::pair(list.At(9).specIndex, list.At(9).number), std::pair(5, 2)) << "size, count";
    EXPECT_TRUE(shown.empty());
}

TEST_F(AppendPhotosTest, ACancelReturnsAtOnceFromAHungCardReader) {
    cancel = true;
    std::atomic<bool> release{false};
    files.beforeCopy = [&](const std::string& from) {
        if (from.find("two.jpeg") == std::string::npos) return;
        copying = true;
        while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(5));  // hangs
    };
    Append();
    // Back while the copy still hangs: the photos copied whole joined, the
    // one under way is given up and its result ignored.
    const PhotoList& list = state.photoList;
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.At(1).dstName, "40.jpg");
    EXPECT_TRUE(std::filesystem::exists(list.At(1).srcName));
    EXPECT_EQ(browse().nOpenNumber, 42) << "past the number of the copy given up";
    EXPECT_FALSE(state.bRefreshing);
    EXPECT_FALSE(browse().bAdding);
    // The reader comes back: the late copy changes nothing.
    release = true;
    while (files.finished < files.copies) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    QCoreApplication::processEvents();
    EXPECT_EQ(list.GetSize(), 2);
}

TEST_F(AppendPhotosTest, NoAppendWithoutASizeOrAJobOrOnceOrdered) {
    chosenSize = -1;  // no size chosen
    Append();
    EXPECT_EQ(state.photoList.GetSize(), 1);
    EXPECT_FALSE(browse().bAdding);
    ModalAnswer modal([this](QDialog& d) { return Answer(d); });
    state.session.bOrderPlaced = true;
    window->OnAddDir();
    state.session.bOrderPlaced = false;
    state.orderInfo.storeDDH.clear();
    window->OnAddDir();
    EXPECT_EQ(shown,
              (std::vector<std::string>{"本次制作已经下单", "目前还没有打开任何目录,不能追加"}));
    EXPECT_EQ(state.photoList.GetSize(), 1);
}

// The picker chooses One.jpg of two; the questions answered as given.
TEST_F(FolderLoadTest, ReopeningAsksFirstAndThenWhetherOnlyTheChosenPhotosAreOpened) {
    Photos({"card/One.jpg", "card/two.jpg"});
    station.services.registry.Set(RegistryRoot::LocalMachine, kLastDirReadKey, "lastDir",
                                  dir / "card");
    int reopen = QMessageBox::Yes;
    int onlyChosen = QMessageBox::No;
    ModalAnswer modal([&](QDialog& d) {
        if (auto* pick = qobject_cast<FolderPickDialog*>(&d)) {
            EXPECT_EQ(pick->ShownFolder(), dir / "card");
            pick->ChoosePhotos({dir / "card/One.jpg"});
            return pick->result();
        }
        shown.push_back(DialogText(d));
        return shown.back() == "仅打开选择的图片吗?" ? onlyChosen : reopen;
    });
    window->OnOpenDir();
    window->WaitForJobs();
    EXPECT_EQ(state.photoList.GetSize(), 2);
    EXPECT_EQ(window->currentFolder, dir / "card/");
    const std::string job = state.orderInfo.storeDDH;
    reopen = QMessageBox::No;
    window->OnOpenDir();
    EXPECT_EQ(state.orderInfo.storeDDH, job);
    reopen = QMessageBox::Yes;
    onlyChosen = QMessageBox::Yes;
    window->OnOpenDir();
    window->WaitForJobs();
    const char* reopening = "是要重新打开一个目录吗,\n如果打开新目录,当前编辑将全部取消,\n请确认";
    EXPECT_EQ(shown, (std::vector<std::string>{"仅打开选择的图片吗?", reopening, reopening,
                                               "仅打开选择的图片吗?"}));
    ASSERT_EQ(state.photoList.GetSize(), 1);
    EXPECT_EQ(state.photoList.At(0).origName, "one.jpg");
}

class FolderPickTest : public ::testing::Test {
  protected:
    testing::TempFolder dir;
    Registry registry{dir / "registry.ini"};
    FileSystem& fs = FileSystem::Default();
};

// Earlier customers' copies lie below the backup root: never listed, never
// shown, however the customer walks there.
TEST_F(FolderPickTest, TheBackupRootIsNeitherListedNorShown) {
    testing::WriteJpeg(dir / "Card/a.jpg", 8, 8);
    testing::WriteJpeg(dir / "backup/2026-12-7/261207001/a.jpg", 8, 8);
    const std::string root = dir / "backup";
    FolderPickDialog dialog(dir.path(), "选择照片目录", registry, fs, nullptr, false, {},
                            [&](const std::string& f) { return !InBackupRoot(f, root, fs); });
    auto* list = dialog.findChild<QListWidget*>(QString::number(FolderPickDialog::kListId));
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Card/"));
    dialog.ShowFolder(dir / "Card/../backup/2026-12-7");
    EXPECT_EQ(dialog.ShownFolder(), dir.path());
}

// Regression: Enter on a highlighted folder also pressed Open, and the
// folder was loaded before the customer saw inside it.
TEST_F(FolderPickTest, EnterGoesIntoTheHighlightedFolderAndOpenLoadsTheFolderShown) {
    testing::WriteJpeg(dir / "Card/DCIM/a.jpg", 8, 8);
    testing::WriteBytes(dir / "Card/notes.txt", "");
    testing::WriteJpeg(dir / "Card/b.jpg", 8, 8);
    FolderPickDialog dialog(dir / "Card", "选择照片目录", registry, fs);
    auto* list = dialog.findChild<QListWidget*>(QString::number(FolderPickDialog::kListId));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);  // the folder first, then the photo; no other files
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("DCIM/"));
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(dialog.ShownFolder(), dir / "Card/DCIM");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_FALSE(dialog.folderChosen);
    list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    auto* open = dialog.findChild<QPushButton*>(QString::number(FolderPickDialog::kOpenId));
    ASSERT_NE(open, nullptr);
    open->click();  // without chosen photos
    EXPECT_TRUE(dialog.folderChosen);
    EXPECT_TRUE(dialog.selectedPaths.empty());
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(dialog.GetChosenFolder(), dir / "Card/DCIM/");  // spelt as on the disk
}

// Regression: the add-photos dialog showed "KiB" and English month names.
TEST(AddPhotosDialogTest, SizesAndDatesAreShownInChinese) {
    testing::TempFolder dir;
    testing::WriteBytes(dir / "a.jpg", std::string(1536, 'x'));
    QFileSystemModel files;
    ChineseFileModel shown;
    shown.setSourceModel(&files);
    const QModelIndex folder = files.setRootPath(QString::fromStdString(dir.path()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return files.rowCount(folder) == 1; }, 5000));
    const QModelIndex photo = shown.mapFromSource(files.index(0, 0, folder));
    EXPECT_EQ(shown.index(photo.row(), 1, photo.parent()).data().toString(),
              QStringLiteral("1.5 KB"));
    const QString date = shown.index(photo.row(), 3, photo.parent()).data().toString();
    EXPECT_EQ(date.toStdString(),
              text::FileDateText(QFileInfo(QString::fromStdString(dir / "a.jpg")).lastModified()));
}

TEST_F(FolderPickTest, TheLastFolderIsReadFromOneKeyAndWrittenToTheOther) {
    Registry& reg = registry;
    const std::vector<std::string> cards = {dir / "media/ann", dir / "mnt"};
    EXPECT_EQ(InitialPickFolder(reg, fs, cards), paths::ProgramFolder());
    testing::WriteBytes(dir / "mnt/x", "");
    EXPECT_EQ(InitialPickFolder(reg, fs, cards), dir / "mnt/");  // where cards appear
    reg.Set(RegistryRoot::LocalMachine, kLastDirReadKey, "lastDir", dir / "photos");
    EXPECT_EQ(InitialPickFolder(reg, fs, cards), dir / "photos/");
    ASSERT_TRUE(RememberPickedFolder(reg, dir / "other/"));
    std::string value;
    reg.Query(RegistryRoot::LocalMachine, kLastDirWriteKey, "lastDir", value);
    EXPECT_EQ(value, dir / "other/");
    reg.Query(RegistryRoot::LocalMachine, kLastDirReadKey, "lastDir", value);
    EXPECT_EQ(value, dir / "photos");
    // An earlier customer's folder is neither started in nor kept.
    const PickStartFilter theirs = [](const std::string&) { return false; };
    EXPECT_EQ(InitialPickFolder(reg, fs, cards, theirs), dir / "mnt/");
    FolderPickDialog picker(dir / "mnt", "选择照片目录", reg, fs, nullptr, false, theirs);
    picker.ChoosePhotos({dir / "mnt/x"});
    picker.GetChosenFolder();
    reg.Query(RegistryRoot::LocalMachine, kLastDirWriteKey, "lastDir", value);
    EXPECT_EQ(value, dir / "other/");
}

// Regression: a dialog's controls are made while it is being shown, and
// stayed hidden on a display (the gallery made them before showing).
TEST(OpeningDialogsTest, ControlsMadeWhileShowingAreShown) {
    testing::TempFolder dir;
    testing::TestStation station(dir);
    std::int32_t openNumber = 0;
    BackupDialog backup(station.state, station.services, openNumber);
    backup.show();
    ASSERT_NE(backup.ProgressBar(), nullptr);
    EXPECT_TRUE(backup.ProgressBar()->isVisible());
    EXPECT_TRUE(backup.findChild<QWidget*>(QString::number(BackupDialog::kStaticId))->isVisible());
}

// Its range is the quantity dialog's, which it is.
TEST(PrintCountDialogTest, ShownWithItsControlsItStepsAboveZeroAndOkTakesTheCount) {
    PrintCountDialog dialog;
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>(QString::number(PrintCountDialog::kEditId));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("label"))->isVisible());
    dialog.OnCommand(PrintCountDialog::kLessId);
    EXPECT_EQ(edit->text(), "1");
    dialog.OnCommand(PrintCountDialog::kMoreId);
    dialog.OnCommand(PrintCountDialog::kMoreId);
    EXPECT_EQ(edit->text(), "3");
    edit->setText("7");
    dialog.OnCommand(PrintCountDialog::kOkId);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.count, 7);
}

}  // namespace
}  // namespace orelle
