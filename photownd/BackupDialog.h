#pragma once
// "文件备份": appends the photos of the copy list to the open job. A worker
// copies while the dialog shows its progress; questions about a file are
// asked here on the UI thread and answered back to the worker. The photos
// copied whole join the job when the dialog ends, however it ends. Cancel
// (the button or Escape) stops the worker before its next file.

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "orderdata/BackupJob.h"
#include "orderdata/PhotoRecordFactory.h"
#include "skin/SkinDialog.h"

class QTimer;

namespace orelle {

class DiskInfo;
class FileSystem;
class ProgressBarWnd;
class StaticText;

class BackupDialog : public SkinDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1157;
    static constexpr int kProgressId = 1300;
    static constexpr int kStaticId = 1068;
    static constexpr int kCancelId = 1;

    explicit BackupDialog(QWidget* parent = nullptr, FileSystem* fs = nullptr,
                          DiskInfo* disks = nullptr);
    ~BackupDialog() override;

    // Filled by the caller before the run.
    std::vector<std::string> copyList;
    RecordDefaults defaults;

    void OnCommand(int id) override;
    ProgressBarWnd* ProgressBar() const { return progress_; }

  protected:
    bool OnInitDialog() override;
    void OnCancel() override;

  private:
    void Start();
    void RunWorker(std::vector<std::string> files, std::string backupDir, std::int32_t base);
    bool AskOnUi(const char* question);
    // Stops and joins the worker, then joins its photos to the job.
    void Finish();
    void Close(int result);

    FileSystem& fs_;
    DiskInfo& disks_;
    ProgressBarWnd* progress_ = nullptr;
    StaticText* static_ = nullptr;
    QTimer* startTimer_ = nullptr;   // 2000
    QTimer* doneTimer_ = nullptr;    // 1000
    QTimer* failedTimer_ = nullptr;  // 3000
    std::unique_ptr<BackupJob> job_;
    std::thread worker_;
    AppendOutcome outcome_;
    std::size_t listSize_ = 0;
    std::mutex mutex_;
    std::condition_variable answered_;
    int answer_ = -1;  // -1 while a question waits, else 1 go on, 0 stop
};

}  // namespace orelle
