#pragma once
// "文件备份": appends the photos of the copy list to the open job. A worker
// copies while the dialog shows its progress; questions about a file are
// asked here on the UI thread and answered back to the worker. The photos
// copied whole join the job when the dialog ends, however it ends. Cancel
// (the button or Escape) stops the worker before its next file.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "orderdata/BackupJob.h"
#include "orderdata/PhotoRecordFactory.h"
#include "platform/jobs/JobRunner.h"
#include "skin/SkinDialog.h"

class QTimer;

namespace orelle {

struct ProcessState;
struct Services;
class ProgressBarWnd;
class StaticText;

class BackupDialog : public SkinDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1157;
    static constexpr int kProgressId = 1300;
    static constexpr int kStaticId = 1068;
    static constexpr int kCancelId = 1;

    // Copies into the job of state; openNumber numbers the copies and is
    // moved past the numbers used when the dialog ends.
    BackupDialog(ProcessState& state, const Services& services, std::int32_t& openNumber,
                 QWidget* parent = nullptr);
    ~BackupDialog() override;

    // Filled by the caller before the run.
    std::vector<std::string> copyList;
    RecordDefaults defaults;
    // The names a phone gave the photos, by path (BackupJob::givenNames).
    std::map<std::string, std::string> givenNames;
    // Their copies made already (BackupJob::madeCopies).
    MadeStationCopies madeCopies;

    void OnCommand(int id) override;
    ProgressBarWnd* ProgressBar() const { return progress_; }

  protected:
    bool OnInitDialog() override;
    void OnCancel() override;

  private:
    void Start();
    // Ends the copying without waiting for a copy under way (a card
    // reader may hang), and joins the photos copied whole to the job.
    void Finish();
    void Close(int result);

    ProcessState& state_;
    const Services& services_;
    std::int32_t& openNumber_;
    ProgressBarWnd* progress_ = nullptr;
    StaticText* static_ = nullptr;
    QTimer* startTimer_ = nullptr;   // 2000
    QTimer* doneTimer_ = nullptr;    // 1000
    QTimer* failedTimer_ = nullptr;  // 3000
    // Shared with the worker, which may outlive the dialog when given up.
    std::shared_ptr<BackupJob> job_;
    std::shared_ptr<AppendOutcome> outcome_;
    std::size_t listSize_ = 0;
    JobRunner jobs_;
};

}  // namespace orelle
