#pragma once
// The photo window: the toolbar, the six photo cells in a 3 x 2 grid and
// the index line under them. Takes the toolbar's commands and the host's
// keys, pages through the job, copies and deletes photos. UI thread only;
// while the busy flag is set (a worker owns the list) every command and
// key does nothing.

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cell/CellHost.h"
#include "skin/CommandTarget.h"

class QKeyEvent;

namespace orelle {

struct KeyMessage;
class BackupJob;
class DiskInfo;
class FileSystem;
class PhotoCell;
class ProgressBarWnd;
class ToolBarWnd;

class PhotoWindow : public QWidget, public CommandTarget, public CellHost {
    Q_OBJECT

  public:
    static constexpr int kToolBarId = 1000;

    PhotoWindow();
    ~PhotoWindow() override;

    // Creates the window at (0, 30)-(1023, 768) of the host's window, with
    // its children; false without a parent.
    bool Init(QWidget* parent, int id);

    void OnCommand(int id) override;
    void ActiveWin(int i) override;
    void StartPageRefresh() override;

    // One key from the host.
    void Qkey(const KeyMessage& key);
    void hotkey(int id);
    std::string GetIndexStr() const;

    void OnFristPage();
    void OnUpPage();
    void OnDownPage();
    void OnLastPage();
    void OnCopy();
    void OnDelete();
    void SetImageDlgToNormal();
    // The batch settings, appending photos, opening a folder, ordering and
    // the web pages.
    void OnDirApply() {}
    void OnAddDir();
    void OnOpenDir();
    // Starts a job from currentFolder (and only selectedFiles of it, when
    // there are any); the copying runs on a worker behind the progress bar.
    void LoadFolder();
    // What opening a folder does once the folder is chosen: the folder
    // becomes the current one, the big view ends, and the load starts.
    void OpenFolder(const std::string& folder, std::vector<std::string> onlyThese);
    void OnVantorHelp();
    void OnCharge();
    // Fills the cells with the current page on this thread. Cells past the
    // page keep what they show: a refresh clears them first, and a copy
    // inside a page only adds photos.
    void FillPage();

    // Waits until a running refresh has finished (tests, shutdown).
    void WaitForRefresh();

    // The folder of the job, with a trailing separator.
    std::string currentFolder;
    std::vector<std::string> selectedFiles;
    // The host's open number (SetOpenNumber).
    std::int32_t openNumber = 0;
    // The files and disks that loads and appends use; null: the machine's.
    FileSystem* files = nullptr;
    DiskInfo* disks = nullptr;

    PhotoCell* Cell(int i) const { return cells_[static_cast<std::size_t>(i)]; }
    ProgressBarWnd* ProgressBar() const { return progress_; }
    // Waits until a running folder load has ended (tests, shutdown).
    void WaitForLoad();
    ToolBarWnd* ToolBar() const { return toolBar_; }
    QWidget* Host() const { return parent_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void RunCommand(int id);
    void FinishRefresh();
    // The end of a load, on the UI thread: the copies join the job, or
    // the job is given up.
    void FinishLoad(bool ok);
    void AbandonLoad(const char* message);
    QWidget* HostWindow() const;

    QPointer<QWidget> parent_;
    QFont font_;
    ToolBarWnd* toolBar_ = nullptr;
    std::array<PhotoCell*, 6> cells_{};
    ProgressBarWnd* progress_ = nullptr;
    std::thread writer_;  // the refresh's order-file write
    std::thread loader_;  // the folder load's copying
    std::shared_ptr<BackupJob> loadJob_;
};

}  // namespace orelle
