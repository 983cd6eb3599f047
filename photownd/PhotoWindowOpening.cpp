// Opening a folder and appending photos.
#include "cell/PrintSizeChooser.h"
#include "orderdata/CustomerMedia.h"
#include "orderdata/PhotoFileKinds.h"
#include "orderdata/ProcessState.h"
#include "phone/PhoneSettings.h"
#include "photownd/AddPhotosDialog.h"
#include "photownd/BackupDialog.h"
#include "photownd/FolderPickDialog.h"
#include "photownd/Paging.h"
#include "photownd/PhotoWindow.h"
#include "photownd/PrintCountDialog.h"
#include "platform/paths/Paths.h"
#include "skin/ModalRunner.h"

namespace orelle {
namespace {

constexpr const char* kAddFromPhoneQuestion = "从手机传照片吗?\n(选“否”从本机的目录添加)";

}  // namespace

void PhotoWindow::OnOpenDir() {
    // Showing the window refreshes its page; a new job waits for that.
    if (!SettleRefresh()) return;
    const bool phones = ReadPhoneSettings(state_.startup.settingsFolder, services_.files).enabled;
    const std::string root = state_.startup.config.dir;
    FolderPickDialog dialog(
        "", "选择照片目录", services_.registry, services_.files, this, phones,
        [this, root](const std::string& folder) {
            return MayStartPickerIn(folder, root, services_.files, services_.disks);
        },
        [this, root](const std::string& folder) {
            return !InBackupRoot(folder, root, services_.files);
        });
    if (!state_.orderInfo.storeDDH.empty() &&
        !AskYesNo(this, "确认",
                  "是要重新打开一个目录吗,\n如果打开新目录,当前编辑将全部取消,\n请确认")) {
        return;
    }
    const int result = RunModal(dialog);
    if (result == FolderPickDialog::kPhoneId) {
        OpenPhone(false);
        return;
    }
    if (result != QDialog::Accepted && !dialog.folderChosen) return;
    const std::string folder = dialog.GetChosenFolder();
    std::vector<std::string> onlyThese;
    if (!dialog.selectedPaths.empty() && AskYesNo(this, "确认", "仅打开选择的图片吗?"))
        onlyThese = dialog.selectedPaths;
    OpenFolder(folder, std::move(onlyThese));
}

void PhotoWindow::OpenFolder(const std::string& folder, std::vector<std::string> onlyThese) {
    selectedFiles = std::move(onlyThese);
    state_.dirList.RemoveAll();
    currentFolder = paths::WithTrailingSeparator(folder);
    SetImageDlgToNormal();
    LoadFolder();
}

void PhotoWindow::OnAddDir() {
    BrowseState& b = browse;
    ProcessState& process = state_;
    // While a worker owns the list (a page refresh) nothing is appended.
    if (b.bAdding || process.session.nOrderType != 0 || process.bRefreshing || !job_.CopiesDone())
        return;
    if (process.session.bOrderPlaced) {
        ShowMessage(this, "提示", "本次制作已经下单");
        return;
    }
    if (process.orderInfo.storeDDH.empty()) {
        ShowMessage(this, "确认", "目前还没有打开任何目录,不能追加");
        return;
    }
    if (ReadPhoneSettings(process.startup.settingsFolder, services_.files).enabled &&
        AskYesNo(this, "确认", kAddFromPhoneQuestion)) {
        OpenPhone(true);
        return;
    }
    const std::unique_ptr<QFileDialog> picker = MakeAddPhotosDialog(this, currentFolder);
    if (RunModal(*picker) != QDialog::Accepted) return;
    std::vector<std::string> paths;
    for (const QString& f : picker->selectedFiles()) paths.push_back(f.toStdString());
    AppendPhotos(paths);
}

void PhotoWindow::AppendPhotos(const std::vector<std::string>& paths,
                               std::map<std::string, std::string> givenNames,
                               MadeStationCopies madeCopies) {
    BrowseState& b = browse;
    ProcessState& process = state_;
    b.bAdding = true;
    BackupDialog backup(process, services_, b.nOpenNumber, this);
    backup.givenNames = std::move(givenNames);
    backup.madeCopies = std::move(madeCopies);
    for (const std::string& path : paths) {
        if (IsPhotoName(path)) backup.copyList.push_back(path);
    }
    if (b.nOpenNumber == 0) b.nOpenNumber = openNumber;
    PrintSizeChooser chooser(0, 0, this, PrintSizeChooser::kModalPlacement,
                             process.startup.catalogue, process.startup.config.showofile);
    chooser.RunModal();
    if (chooser.chosenIndex == -1) {
        b.bAdding = false;
        return;
    }
    b.defaultSpecIndex = chooser.chosenIndex;
    PrintCountDialog count(this);
    RunModal(count);
    b.defaultNumber = count.count;
    b.defaultOperate = 0;
    backup.defaults = RecordDefaults{b.defaultSpecIndex, b.defaultNumber, b.defaultOperate};
    const std::int32_t before = process.photoList.GetSize();
    // Photos copied before a stop have joined the job too: the page shows
    // the first of them, so that the customer sees what was added.
    if (RunModal(backup) == QDialog::Accepted || process.photoList.GetSize() != before) {
        PageToPhoto(b, before, process.photoList.GetSize());
        job_.Appended();
    }
    b.bAdding = false;
}

}  // namespace orelle
