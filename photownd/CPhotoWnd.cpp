#include "orelle/CPhotoWnd.h"
#include "orelle/StationTools.h"

#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <utility>

#include "job/LeftJob.h"
#include "orderdata/OrderFilesRepair.h"
#include "orderdata/PhotoNames.h"
#include "orderdata/PhotoRecordFactory.h"
#include "orderdata/ProcessState.h"
#include "orderdata/SettingsReport.h"
#include "orderdata/WebServerSettings.h"
#include "orderdata/WorkFolderSweep.h"
#include "phone/PhoneFolders.h"
#include "phone/PhoneSettings.h"
#include "photownd/Paging.h"
#include "photownd/PhotoCommands.h"
#include "photownd/PhotoWindow.h"
#include "photownd/UnattendedAnswers.h"
#include "photownd/WebPages.h"
#include "platform/Services.h"
#include "platform/files/PartialFiles.h"
#include "platform/jobs/JobRunner.h"
#include "platform/paths/Paths.h"
#include "setup/MachineProbes.h"
#include "setup/SetupCheck.h"
#include "skin/ModalRunner.h"

namespace orelle {

// What the exported window stands on: the process's state and the
// machine's services, built here and handed down.
struct CPhotoWnd::Station {
    ProcessState& state = Process();
    Services services = MachineServices();
    // Found at the start, until the customer answers.
    std::optional<StationJob> leftJob;
    // The photos kept no longer than the settings say: at the start and
    // once a day, beside the customer's work.
    std::atomic<bool> sweeping{false};
    JobRunner sweeper{sweeping};
    QTimer daily;

    void Sweep() {
        const ParamConfig& c = state.startup.config;
        const KeepRules rules{c.keepdays, c.keepunplaced};
        JobRunner::Job job;
        job.work = [this, root = c.dir, today = state.startup.date.dateStr, rules,
                    now = services.clock.Now()](JobContext&) {
            SweepWorkFolders(root, today, rules, now, services.files);
        };
        sweeper.Start(std::move(job));
    }
};

CPhotoWnd::CPhotoWnd() : station_(std::make_unique<Station>()) {
    ProcessState& state = station_->state;
    state.flags = LoadFeatureFlags(state.startup.settingsFolder, state.startup.config,
                                   station_->services.files);
    // What a crash left half-written goes at the start, wherever the
    // station writes: the settings it rewrites at every order, and the
    // order tree of every day (a station running past midnight writes
    // into the day it started on).
    RemovePartialFiles(station_->services.files, state.startup.settingsFolder);
    RemovePartialFiles(station_->services.files, state.startup.config.dir);
    RepairOrderFiles(station_->services.files, state.startup.config.dir);
}

CPhotoWnd::~CPhotoWnd() { delete window_.data(); }

bool CPhotoWnd::init(QWidget* parent, int id) {
    // The station starts here, not in the constructor, which the settings
    // text also runs beside a live station; a window still standing may
    // hold a session.
    if (!window_) {
        Station& s = *station_;
        RemovePhoneLeftovers(s.state.startup.config.dir, s.state.startup.settingsFolder,
                             s.services.files);
        // The left job is decided before the sweep, which then leaves it.
        s.leftJob = FindLeftJob(s.state, s.services);
        s.Sweep();
        s.daily.setInterval(std::chrono::hours(24));
        QObject::connect(&s.daily, &QTimer::timeout, &s.daily, [&s] { s.Sweep(); });
        s.daily.start();
    }
    auto* window = new PhotoWindow(station_->state, station_->services);
    if (!window->Init(parent, id)) {
        delete window;
        return false;
    }
    delete window_.data();
    window->openNumber = openNumber_;
    window->browse.nOpenNumber = openNumber_;
    window_ = window;
    return true;
}

QWidget* CPhotoWnd::window() const { return window_; }

PhotoWindow* CPhotoWnd::Window() const { return static_cast<PhotoWindow*>(window_.data()); }

void CPhotoWnd::Qkey(const KeyMessage* message) {
    PhotoWindow* w = Window();
    if (w && message) w->Qkey(*message);
}

void CPhotoWnd::hotkey(int id) {
    if (PhotoWindow* w = Window()) w->hotkey(id);
}

void CPhotoWnd::ActiveWin(int cell) {
    if (PhotoWindow* w = Window()) w->ActiveWin(cell);
}

std::string CPhotoWnd::GetIndexStr() const {
    PhotoWindow* w = Window();
    return IndexText(w ? w->browse : BrowseState{}, GetSize());
}

int CPhotoWnd::GetSize() const { return station_->state.photoList.GetSize(); }

void CPhotoWnd::OnFristPage() {
    if (PhotoWindow* w = Window()) w->OnFristPage();
}

void CPhotoWnd::OnDelete() {
    if (PhotoWindow* w = Window()) w->OnDelete();
}

void CPhotoWnd::SetImageDlgToNormal() {
    if (PhotoWindow* w = Window()) w->SetImageDlgToNormal();
}

void CPhotoWnd::SetOrderType(int type) { station_->state.session.nOrderType = type; }

void CPhotoWnd::SetUploadWnd(CUpFileWnd* upload) { station_->state.session.pUploadWnd = upload; }

void CPhotoWnd::SetOpenNumber(int number) {
    openNumber_ = number;
    if (PhotoWindow* w = Window()) {
        w->openNumber = number;
        w->browse.nOpenNumber = number;
    }
    station_->state.orderInfo.albumid.clear();
}

void CPhotoWnd::SetStoreid(const std::string& store, const std::string& account,
                           const std::string& password) {
    OrderSession& s = station_->state.session;
    if (!store.empty()) s.nStoreNumber = static_cast<std::int32_t>(std::atol(store.c_str()));
    if (!account.empty()) s.memberAccount = account;
    if (!password.empty()) s.memberPassword = password;
}

PhotoList* CPhotoWnd::GetPhotoListPoint() const { return &station_->state.photoList; }

DirList* CPhotoWnd::GetDirListPoint() const { return &station_->state.dirList; }

std::string CPhotoWnd::GetRealName(const std::string& path) const {
    return orelle::GetRealName(path, station_->state.photoList);
}

long CPhotoWnd::GetRegKey(unsigned root, const std::string& subkey, std::string& value) const {
    return orelle::GetRegKey(station_->services.registry, root, subkey, value);
}

void CPhotoWnd::OnOpenDir() {
    if (PhotoWindow* w = Window()) w->OnOpenDir();
}

void CPhotoWnd::OpenFolder(const std::string& folder) {
    PhotoWindow* w = Window();
    if (w && w->SettleRefresh()) w->OpenFolder(folder, {});
}

bool CPhotoWnd::OpenPhone(const PhoneOptions& options) {
    PhotoWindow* w = Window();
    if (!w || !w->SettleRefresh()) return false;
    return w->OpenPhone(false, options);
}

void CPhotoWnd::CloseJob() {
    if (PhotoWindow* w = Window()) w->EndJob();
}

bool CPhotoWnd::AskLeftJob() {
    Station& s = *station_;
    PhotoWindow* w = Window();
    if (!w || !s.leftJob) return false;
    if (w->AskLeftJob(*s.leftJob)) return true;
    GiveUpLeftJob(*s.leftJob, s.state, s.services.files);
    s.leftJob.reset();
    return false;
}

bool CPhotoWnd::ResumeLeftJob() {
    Station& s = *station_;
    PhotoWindow* w = Window();
    if (!w || !s.leftJob || !w->SettleRefresh()) return false;
    const StationJob left = *std::exchange(s.leftJob, std::nullopt);
    return w->ResumeLeftJob(left);
}

void CPhotoWnd::UsePhotos(const std::vector<std::string>& paths) {
    ProcessState& state = station_->state;
    if (state.bRefreshing || state.photoList.GetSize() != 0) return;
    for (const std::string& path : paths) {
        auto record = CreatePhotoRecord(path, GetRealName(path), path, {}, state.startup.catalogue,
                                        state.dirList);
        if (record) state.photoList.Append(std::move(record));
    }
}

bool CPhotoWnd::PrintLocalOrder(const std::string& orderNumber, int finish,
                                const std::string& pdfFile) {
    PhotoWindow* w = Window();
    return w && w->PrintLocalOrder(orderNumber, finish, pdfFile);
}

void CPhotoWnd::OnOrderOk() {
    if (PhotoWindow* w = Window()) w->OnCommand(kCommandOrder);
}

void CPhotoWnd::OnToxc() {
    if (PhotoWindow* w = Window()) w->OnCommand(kCommandAlbumOrder);
}

void CPhotoWnd::SetOrderID(const std::string& id, int tag) {
    PhotoWindow* w = Window();
    // The page refresh reads the job's order header.
    if (w && !w->SettleRefresh()) return;
    orelle::SetOrderID(station_->state, id, tag);
}

void CPhotoWnd::SendNewOrder() {
    orelle::SendNewOrder(station_->state, station_->services.uploader);
}

StationTools::UnattendedOrder StationTools::PlaceOrderUnattended(CPhotoWnd& wnd,
                                                                 const std::string& receiptPdf) {
    UnattendedOrder order;
    PhotoWindow* w = wnd.Window();
    if (!w || !w->SettleRefresh()) return order;
    const UnattendedAnswers answers;
    w->receiptPdf = receiptPdf;
    // The host's hand-back may end the job before the placement returns:
    // the number comes from the placement itself.
    const PlacementResult result = w->OnOrderOk(&order.orderNumber);
    w->receiptPdf.clear();
    order.placed = result == PlacementResult::kPlaced;
    order.shown = answers.LastShown();
    // A job that never loaded: why is what its load said.
    if (order.shown.empty() && wnd.GetSize() == 0) order.shown = LastShownText();
    return order;
}

bool StationTools::PhoneAnswerWaiting(const CPhotoWnd& wnd) {
    PhotoWindow* w = wnd.Window();
    return w && w->PhoneAnswerWaiting();
}

std::string StationTools::LocalOrderNumber(const CPhotoWnd& wnd) {
    return wnd.station_->state.orderInfo.storeDDH;
}

bool CPhotoWnd::IsWebEdition() const { return station_->state.flags.IsWebEdition(); }

bool CPhotoWnd::IsBusy() const {
    PhotoWindow* w = Window();
    return station_->state.bRefreshing || (w && (w->PhoneOpen() || w->Loading()));
}

bool CPhotoWnd::PhonesEnabled() const {
    return ReadPhoneSettings(station_->state.startup.settingsFolder, station_->services.files)
        .enabled;
}

std::string StationTools::SettingsText(const CPhotoWnd& wnd) {
    const StartupData& startup = wnd.station_->state.startup;
    return SettingsReport(startup, wnd.station_->state.flags) +
           PhoneSettingsSection(startup.settingsFolder, wnd.station_->services.files);
}

void CPhotoWnd::UseSettingsFolder(const std::string& folder) { ReloadProcessSettings(folder); }

std::string CPhotoWnd::SettingsFolder() { return Process().startup.settingsFolder; }

bool StationTools::CheckSetup(std::string* report) {
    Services machine = MachineServices();
    MachineProbes probes;
    const std::vector<CheckLine> lines =
        orelle::CheckSetup(CPhotoWnd::SettingsFolder(), paths::ProgramFolder(), machine, probes);
    *report += CheckReport(lines);
    return AllHold(lines);
}

bool StationTools::UseWebServer(const std::string& hostPort, const std::string& folder) {
    WebServerAddress server;
    if (!ParseWebServerAddress(hostPort, &server) ||
        !CopySettingsForWebServer(Process().startup.settingsFolder, folder, server,
                                  MachineServices().files))
        return false;
    ReloadProcessSettings(folder);
    return true;
}

}  // namespace orelle
