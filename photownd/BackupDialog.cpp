#include "photownd/BackupDialog.h"

#include <QTimer>
#include <exception>

#include "orderdata/FeatureFlags.h"
#include "orderdata/ProcessState.h"
#include "photownd/BrowseState.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/BackupDisk.h"
#include "skin/DialogButton.h"
#include "skin/ProgressBarWnd.h"
#include "skin/RectLtrb.h"
#include "skin/ShowNotice.h"
#include "skin/StaticText.h"

namespace orelle {
namespace {

QTimer* MakeTimer(QObject* owner, int ms) {
    auto* t = new QTimer(owner);
    t->setSingleShot(true);
    t->setInterval(ms);
    return t;
}

}  // namespace

BackupDialog::BackupDialog(QWidget* parent, FileSystem* fs, DiskInfo* disks)
    : SkinDialog(kResourceId, parent),
      fs_(fs ? *fs : FileSystem::Default()),
      disks_(disks ? *disks : DiskInfo::Default()) {}

BackupDialog::~BackupDialog() { Finish(); }

bool BackupDialog::OnInitDialog() {
    SkinDialog::OnInitDialog();
    SetTitle("文件备份");
    PlaceCentred(366, 170);
    // Under the bar: above it the title bar leaves no room for a line.
    static_ = new StaticText(kStaticId, this);
    static_->setGeometry(20, 70, 326, 20);
    static_->SetText("正在备份文件到电脑硬盘,请您稍等...");
    progress_ = new ProgressBarWnd(this);
    progress_->setObjectName(QString::number(kProgressId));
    progress_->setGeometry(20, 40, 326, 20);
    MakeDialogButton(this, kCancelId, "取消", 16, RectLtrb(148, 92, 218, 152));
    startTimer_ = MakeTimer(this, 100);
    doneTimer_ = MakeTimer(this, 100);
    failedTimer_ = MakeTimer(this, 100);
    connect(startTimer_, &QTimer::timeout, this, &BackupDialog::Start);
    connect(doneTimer_, &QTimer::timeout, this, [this] { Close(Accepted); });
    connect(failedTimer_, &QTimer::timeout, this, [this] {
        ShowNotice("提示", "读出文件出错!", 1, false, this);
        Close(Rejected);
    });
    startTimer_->start();
    return true;
}

void BackupDialog::Start() {
    progress_->SetSteps(1);
    ProcessState& process = Process();
    if (copyList.empty()) {
        ShowNotice("提示", "没有图片文件!", 1, false, this);
        return;
    }
    if (!HasBackupSpace(process.startup.config.dir, disks_)) {
        ShowNotice("提示", "电脑磁盘备份目录没有足够的空间!", 1, false, this);
        return;
    }
    progress_->SetSteps(static_cast<int>(copyList.size()));
    job_ = std::make_unique<BackupJob>(fs_, disks_, process.startup.catalogue,
                                       ReadEdition(process.startup.settingsFolder, fs_));
    job_->step = [this] {
        QMetaObject::invokeMethod(
            this, [this] { progress_->StepIt(); }, Qt::QueuedConnection);
    };
    listSize_ = copyList.size();
    // The list is emptied at once: the worker owns its own copy of it.
    process.bRefreshing = true;
    worker_ = std::thread(&BackupDialog::RunWorker, this, std::move(copyList),
                          process.orderInfo.backupDir, Browse().nOpenNumber);
    copyList.clear();
}

void BackupDialog::RunWorker(std::vector<std::string> files, std::string backupDir,
                             std::int32_t base) {
    bool failed = false;
    try {
        outcome_ = job_->CopyList(files, backupDir, base, defaults, Process().photoList,
                                  [this](const char* q) { return AskOnUi(q); });
    } catch (const std::exception&) {
        failed = true;
    }
    Process().bRefreshing = false;
    if (job_->stop) return;  // cancelled: nobody waits for the timers
    QTimer* timer = failed ? failedTimer_ : outcome_.completed ? doneTimer_ : nullptr;
    if (timer) QMetaObject::invokeMethod(timer, qOverload<>(&QTimer::start), Qt::QueuedConnection);
}

bool BackupDialog::AskOnUi(const char* question) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        answer_ = -1;
    }
    QMetaObject::invokeMethod(
        this,
        [this, question] {
            if (!job_ || job_->stop) return;  // cancelled meanwhile
            const bool goOn = ShowNotice("提示", question, 1, true, this) == 0;
            std::lock_guard<std::mutex> lock(mutex_);
            if (answer_ == -1) answer_ = goOn ? 1 : 0;
            answered_.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock<std::mutex> lock(mutex_);
    answered_.wait(lock, [this] { return answer_ != -1 || job_->stop; });
    return answer_ == 1 && !job_->stop;
}

void BackupDialog::Finish() {
    if (job_) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            job_->stop = true;
        }
        answered_.notify_all();
    }
    if (worker_.joinable()) worker_.join();
    if (!job_) return;
    ProcessState& process = Process();
    for (const std::string& dir : job_->dirs.Entries()) process.dirList.AddIfAbsent(dir);
    process.photoList.AppendFrom(job_->records);
    // The next run numbers on past every position used, so that no copy's
    // name is used twice.
    Browse().nOpenNumber +=
        outcome_.completed ? static_cast<std::int32_t>(listSize_) : outcome_.positions;
    job_.reset();
}

void BackupDialog::Close(int result) {
    Finish();
    done(result);
}

void BackupDialog::OnCommand(int id) {
    if (id == kCancelId) OnCancel();
}

void BackupDialog::OnCancel() { Close(Rejected); }

}  // namespace orelle
