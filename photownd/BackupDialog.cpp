#include "photownd/BackupDialog.h"

#include <QTimer>
#include <exception>

#include "orderdata/ProcessState.h"
#include "platform/Services.h"
#include "platform/files/FileSystem.h"
#include "platform/jobs/JobContext.h"
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

BackupDialog::BackupDialog(ProcessState& state, const Services& services, std::int32_t& openNumber,
                           QWidget* parent)
    : SkinDialog(kResourceId, parent),
      state_(state),
      services_(services),
      openNumber_(openNumber),
      jobs_(state.bRefreshing) {}

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
    ProcessState& process = state_;
    if (copyList.empty()) {
        ShowNotice("提示", "没有图片文件!", 1, false, this);
        return;
    }
    if (!HasBackupSpace(process.startup.config.dir, services_.disks)) {
        ShowNotice("提示", "电脑磁盘备份目录没有足够的空间!", 1, false, this);
        return;
    }
    progress_->SetSteps(static_cast<int>(copyList.size()));
    job_ = std::make_shared<BackupJob>(services_.files, services_.disks, process.startup.catalogue,
                                       process.flags.verison_function);
    job_->givenNames = std::move(givenNames);
    job_->madeCopies = std::move(madeCopies);
    outcome_ = std::make_shared<AppendOutcome>();
    listSize_ = copyList.size();
    auto failed = std::make_shared<bool>(false);
    JobRunner::Job copy;
    // The worker owns all it touches: its list (emptied here at once), the
    // job and the outcome.
    copy.work = [failed, job = job_, outcome = outcome_, files = std::move(copyList),
                 backupDir = process.orderInfo.backupDir, base = openNumber_,
                 defaults = defaults](JobContext& context) {
        job->step = [&context] { context.Step(); };
        try {
            *outcome = job->CopyList(files, backupDir, base, defaults,
                                     [&context](const char* q) { return context.Ask(q); });
        } catch (const std::exception&) {
            *failed = true;
        }
    };
    copy.step = [this] { progress_->StepIt(); };
    copy.ask = [this](const std::string& q) { return ShowNotice("提示", q, 1, true, this) == 0; };
    copy.done = [this, failed] {
        QTimer* timer = *failed ? failedTimer_ : outcome_->completed ? doneTimer_ : nullptr;
        if (timer) timer->start();
    };
    copyList.clear();
    jobs_.Start(std::move(copy));
}

void BackupDialog::Finish() {
    if (!job_) return;
    const bool cut = jobs_.Running();
    jobs_.Abandon();
    PhotoList made;
    DirList dirs;
    job_->TakeMade(made, dirs);
    // A run given up does not sync its copies: they are on the disk before
    // the order files name them.
    if (cut && made.GetSize() > 0) services_.files.SyncFileSystem(state_.orderInfo.backupDir);
    for (const std::string& dir : dirs.Entries()) state_.dirList.AddIfAbsent(dir);
    state_.photoList.AppendFrom(made);
    // The next run numbers on past every position used, so that no copy's
    // name is used twice; a copy given up may still land at its number.
    const bool all = cut || outcome_->completed;
    openNumber_ += all ? static_cast<std::int32_t>(listSize_) : outcome_->positions;
    job_.reset();
    outcome_.reset();
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
