// Starting a job: the folder load with its progress bar.
#include <memory>
#include <utility>

#include "cell/PhotoCell.h"
#include "orderdata/FolderLoad.h"
#include "orderdata/ProcessState.h"
#include "photownd/PhoneVisit.h"
#include "photownd/PhotoWindow.h"
#include "platform/jobs/JobContext.h"
#include "platform/messages/HostMessage.h"
#include "skin/ModalRunner.h"
#include "skin/ProgressBarWnd.h"

namespace orelle {

// The job is not started or given up; a message comes after the host has
// been told.
void PhotoWindow::AbandonLoad(const char* message) {
    SendHostMessage(HostWindow(), kMessageHandBack);
    progress_->hide();
    UpdatePriceLine();
    if (message) ShowMessage(this, "Orelle", message);
}

void PhotoWindow::LoadFolder() {
    auto load = std::make_shared<FolderLoad>(state_, services_.files, services_.disks);
    auto ok = std::make_shared<bool>(false);
    JobRunner::Job job;
    job.before = [this, load] {
        if (PrepareLoad(*load)) {
            load_ = load;
        } else {
            jobs_.Stop();
        }
    };
    job.work = [this, load, ok](JobContext& context) {
        // The worker owns the records meanwhile: the first page's photos
        // are decoded while the rest is copied.
        int prefetched = 0;
        *ok = load->Copy(context, [this, &prefetched](const PhotoList& made) {
            while (prefetched < made.GetSize() && prefetched < BrowseState::kCellsPerPage)
                PhotoCell::Prefetch(cellContext_, made.At(prefetched++), false);
        });
    };
    job.step = [this] { progress_->StepIt(); };
    job.done = [this, load, ok] {
        load_.reset();
        FinishLoad(*load, *ok);
    };
    if (jobs_.Start(std::move(job))) progress_->show();
}

bool PhotoWindow::PrepareLoad(FolderLoad& load) {
    if (const char* refusal = load.Check(currentFolder, selectedFiles)) {
        ShowMessage(this, "Orelle", refusal);
        AbandonLoad(nullptr);
        return false;
    }
    // No cell may keep a record that is about to be freed.
    const bool opened = load.OpenJob(browse.bAdding, [this] { EmptyPage(); });
    if (!opened) {
        ShowMessage(this, "Orelle", kNoOrderNumberMessage);
        AbandonLoad(nullptr);
        return false;
    }
    const char* first = nullptr;
    if (load.TreeFails(&first)) {
        load.Finish(false);
        if (first) ShowMessage(this, "Orelle", first);
        AbandonLoad(kBackupFailedMessage);
        return false;
    }
    progress_->SetSteps(static_cast<int>(load.PhotoCount()));
    return true;
}

void PhotoWindow::EndJob() {
    jobs_.Stop();
    jobs_.Wait();
    upright_.Stop();
    // A load stopped half-way: its done never ran, so it is given up here.
    if (load_) std::exchange(load_, nullptr)->Finish(false);
    phone_.reset();  // a phone session ends with what it received
    progress_->hide();
    SetImageDlgToNormal();
    EmptyPage();
    ForgetJob(state_);
    currentFolder.clear();
    selectedFiles.clear();
    browse.bAdding = false;
    UpdatePriceLine();
    update();
}

void PhotoWindow::EmptyPage() {
    // Hidden until a page fills them: no empty cell is drawn while a job is
    // loaded, nor behind the next customer's folder picker.
    for (PhotoCell* c : cells_) {
        c->ClearCell();
        c->hide();
    }
    browse.nFirstIndex = 0;
    browse.nBigIndex = 0;
}

bool PhotoWindow::SettleRefresh() {
    if (state_.bRefreshing && jobs_.Running() && !load_) jobs_.Wait();
    return !state_.bRefreshing;
}

void PhotoWindow::FinishLoad(FolderLoad& load, bool ok) {
    EmptyPage();
    const bool joined = load.Finish(ok);
    EndPhone(joined);
    if (!joined) {
        if (load.NamesTooLong()) ShowMessage(this, "Orelle", kTreeTooLongMessage);
        AbandonLoad(kBackupFailedMessage);
        return;
    }
    browse.bAdding = false;
    progress_->hide();
    progress_->SetSteps(1);
    SendHostMessage(HostWindow(), kMessageHandBack);
    TurnCopiesAhead();
    StartPageRefresh();  // fills the first page and writes the order files
}

}  // namespace orelle
