#pragma once
// The photo window: the toolbar, the six photo cells in a 3 x 2 grid and
// the index line under them. Takes the toolbar's commands and the host's
// keys, pages through the job, copies and deletes photos, and shows what
// the customer's job (CustomerJob) tells it. It works on the process's
// state and services handed to it, which outlive it. UI thread only; while
// the busy flag is set (a worker owns the list) every command and key does
// nothing.

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cell/CellHost.h"
#include "cell/FaceFinder.h"
#include "cell/PicturePrefetch.h"
#include "job/CustomerJob.h"
#include "orderdata/BatchApply.h"
#include "orelle/CPhotoWnd.h"
#include "photownd/BrowseState.h"
#include "platform/Services.h"
#include "platform/imaging/StationCopy.h"
#include "skin/CommandTarget.h"
#include "submit/BackOfficeLogin.h"
#include "submit/OrderPlacement.h"

class QKeyEvent;

namespace orelle {

struct KeyMessage;
struct ProcessState;
struct StationJob;
class IdleGuard;
class PhoneDialog;
enum class PhoneEnd;
class PhotoCell;
class ProgressBarWnd;
class ToolBarWnd;

class PhotoWindow : public QWidget,
                    public CommandTarget,
                    public CellHost,
                    private CustomerJobEvents {
    Q_OBJECT

  public:
    static constexpr int kToolBarId = 1000;

    PhotoWindow(ProcessState& state, const Services& services);
    ~PhotoWindow() override;

    // Creates the window at (0, 30)-(1023, 768) of the host's window, with
    // its children; false without a parent.
    bool Init(QWidget* parent, int id);

    void OnCommand(int id) override;
    void ActiveWin(int i) override;
    int ActiveCell() const override { return browse.nActiveCell; }
    std::int32_t RecordIndex(int cellIndex, bool bigView) const override;
    void ToggleBigView(int cellIndex) override;
    void RecordChanged() override { job_.Recount(); }
    void RecordEdited() override { job_.Edited(); }
    // Binds the page at browse.nFirstIndex to the cells and writes the
    // order files, on a worker; nothing while another job runs.
    void StartPageRefresh();

    // One key from the host.
    void Qkey(const KeyMessage& key);
    void hotkey(int id);
    std::string GetIndexStr() const;
    // The order's prints and estimated price, beside the index line.
    const std::string& PriceLine() const { return job_.PriceLine(); }

    void OnFristPage();
    void OnUpPage();
    void OnDownPage();
    void OnLastPage();
    void OnCopy();
    void OnDelete();
    void SetImageDlgToNormal();
    // The batch settings: each asks in its dialog, then changes the list
    // on a worker that keeps the busy flag raised through the page refresh
    // it ends with. The statistics notice and the requirement text.
    void OnApply();
    void OnDirApply();
    void OnStat();
    void OnRequir();
    // The job's receipt slip on the default printer (a missing or failing
    // printer is reported) or into a PDF file; true when it came out.
    bool PrintLocalOrder(const std::string& orderNumber, int finish, const std::string& pdfFile);
    // The order command (kCommandOrder, the key O) and the album order (kCommandAlbumOrder): the
    // job's order from its dialogs to the order files, the receipt and the
    // host's message. orderNumber, when given, receives the number the
    // back office gave the order.
    PlacementResult OnOrderOk(std::string* orderNumber = nullptr);
    PlacementResult OnToxc();
    // Where the receipt of a placed order goes instead of the printer
    // (tools); empty for the printer.
    std::string receiptPdf;
    // Appending photos, opening a folder, ordering and the web pages.
    void OnAddDir();
    void OnOpenDir();
    // Starts a job from currentFolder (and only selectedFiles of it, when
    // there are any); the copying runs on a worker behind the progress bar,
    // and the page refresh follows. Nothing while another job runs.
    void LoadFolder();
    // What opening a folder does once the folder is chosen: the folder
    // becomes the current one, the big view ends, and the load starts.
    void OpenFolder(const std::string& folder, std::vector<std::string> onlyThese);
    // Photos from a phone: serves the upload page and shows its QR screen;
    // when the customer is done the photos start the job through the
    // folder load, or, appending, join it through the backup dialog.
    // False, with a message, when the page cannot be served.
    bool OpenPhone(bool appending, CPhotoWnd::PhoneOptions wait = {});
    // A phone session is open, or its photos are still being loaded.
    bool PhoneOpen() const { return job_.Phone() != nullptr; }
    // A load still copies behind the page shown.
    bool Loading() const { return job_.Loading(); }
    PhoneDialog* PhoneScreen() const;
    bool PhoneAnswerWaiting() const { return job_.PhoneAnswerWaiting(); }
    // The placed order's answer to the phone the job's photos came from.
    void TellPhoneOrder(const std::string& orderNumber, const std::string& pickupLine);
    void OnVantorHelp();
    void OnCharge();
    // Fills the cells with the current page on this thread; cells past the
    // end of the list are cleared.
    void FillPage() override;

    // Ends the customer's job (CustomerJob::End) and the screen's part of
    // it. The next customer starts afresh.
    void EndJob(JobEnd how = JobEnd::kHome);
    // The job this station left at a cut: asks the customer whether to go
    // on with it ("继续": true); takes it up on the page it was on.
    bool AskLeftJob(const StationJob& left);
    bool ResumeLeftJob(const StationJob& left);
    // Nobody touched the station: the job ends idle and the host takes the
    // station back. What the customer is reminded of (the card), if any.
    std::string EndIdle();
    IdleGuard* Idle() const { return idle_; }
    bool SettleRefresh() { return job_.Settle(); }
    // For tests and tools.
    void WaitForJobs() { job_.Wait(); }
    void WaitForUpright() { job_.WaitUpright(); }

    // The folder of the job, with a trailing separator.
    std::string currentFolder;
    std::vector<std::string> selectedFiles;
    // The host's open number (SetOpenNumber).
    std::int32_t openNumber = 0;
    BrowseState browse;
    // The last batch choices, offered again next time.
    ApplySwitches applySwitches;
    DirApplyValues dirApply;

    PhotoCell* Cell(int i) const { return cells_[static_cast<std::size_t>(i)]; }
    ProgressBarWnd* ProgressBar() const { return progress_; }
    ToolBarWnd* ToolBar() const { return toolBar_; }
    QWidget* Host() const { return parent_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void RunCommand(int id);
    // Before the job goes home: true when nothing is lost or the customer
    // agrees. Before an order: true when the customer chose to see photos
    // no page has shown yet (the page then shows the first of them).
    bool HomeConfirmed();
    bool ShowUnseenFirst();
    // Copy and delete: not while busy or placed, and only on a photo.
    bool CanEditList(std::int32_t current) const;
    // What the job tells the screen.
    void Emptying() override;
    void PageLeaving() override;
    void LoadStarted(int photos) override;
    void LoadStep() override;
    void LoadOver(bool joined) override;
    void CopyingBehind() override;
    void Grew() override;
    void HandBack() override;
    void Message(const char* text) override;
    bool Ask(const char* question) override;
    void PriceChanged() override;
    ShownPage Shown() const override;

    void OpenWebPage(const std::string& address);
    // The customer is done with the QR screen (with photos or not).
    void PhoneEnded(PhoneEnd how, int missing);
    // The QR screen goes; nothing is stored for it any more.
    void ClosePhoneScreen();
    // What appending does once the photos to append are known.
    void AppendPhotos(const std::vector<std::string>& paths,
                      std::map<std::string, std::string> givenNames = {},
                      MadeStationCopies madeCopies = {});
    QWidget* HostWindow() const;
    void StartIdleGuard();

    ProcessState& state_;
    Services services_;
    PicturePrefetch prefetch_;
    FaceFinder faceFinder_;
    CellContext cellContext_;
    QPointer<QWidget> parent_;
    QFont font_;
    ToolBarWnd* toolBar_ = nullptr;
    std::array<PhotoCell*, 6> cells_{};
    ProgressBarWnd* progress_ = nullptr;
    // The rest of a load is copied behind the page: its progress is a thin
    // line under the index line.
    bool copyingBehind_ = false;
    // The operator's back-office login, kept between orders.
    BackOfficeLogin backOffice_;
    // The phone visit's screen and how it is waited for.
    QPointer<PhoneDialog> phoneScreen_;
    CPhotoWnd::PhoneOptions phoneWait_;
    bool phoneAppending_ = false;
    IdleGuard* idle_ = nullptr;
    // Last: its workers are joined before anything they use goes.
    CustomerJob job_;
};

}  // namespace orelle
