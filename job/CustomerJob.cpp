#include "job/CustomerJob.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

#include "job/LeftJob.h"
#include "job/UnseenPhotos.h"
#include "orderdata/BackupJob.h"
#include "orderdata/FolderLoad.h"
#include "orderdata/JobLock.h"
#include "orderdata/OrderFiles.h"
#include "orderdata/PhotoIniWriter.h"
#include "orderdata/PrintResolution.h"
#include "orderdata/ProcessState.h"
#include "orderdata/UnplacedJob.h"
#include "orderdata/UprightCopies.h"
#include "phone/PhoneFolders.h"
#include "phone/PhoneSession.h"
#include "phone/PhoneSettings.h"
#include "platform/files/FileSystem.h"
#include "platform/imaging/StationCopy.h"
#include "platform/jobs/JobContext.h"
#include "platform/paths/Paths.h"
#include "submit/RunningPrice.h"

namespace orelle {
namespace {

// The photos decoded while the rest of a card is copied: the first page.
constexpr int kFirstPagePhotos = 6;

}  // namespace

CustomerJob::CustomerJob(ProcessState& state, const Services& services, CustomerJobEvents& events,
                         Prefetch prefetch)
    : state_(state),
      services_(services),
      events_(events),
      prefetch_(std::move(prefetch)),
      journal_(state, services_),
      jobs_(state.bRefreshing) {}

CustomerJob::~CustomerJob() {
    if (linkPort_) services_.webServer.Stop();
}

bool CustomerJob::Open(const std::string& folder, std::vector<std::string> selected,
                       bool appending) {
    if (load_) return false;  // the last one still copies
    auto load = std::make_shared<FolderLoad>(state_, services_.files, services_.disks);
    auto ok = std::make_shared<bool>(false);
    if (phone_ && paths::WithTrailingSeparator(folder) == phone_->Folder()) {
        load->GiveNames(PhoneNames());
        load->GiveCopies(phone_->MadeCopies());
    }
    JobRunner::Job job;
    job.before = [this, load, folder, selected = std::move(selected), appending] {
        if (Prepare(*load, folder, selected, appending)) {
            load_ = load;
            return;
        }
        jobs_.Stop();
    };
    job.work = [this, load, ok](JobContext& context) {
        // The worker owns the records meanwhile: the first page's photos
        // are decoded while the rest is copied.
        int prefetched = 0;
        *ok = load->Copy(
            context,
            [this, &prefetched](const PhotoList& made) {
                while (prefetch_ && prefetched < made.GetSize() && prefetched < kFirstPagePhotos)
                    prefetch_(made.At(prefetched++));
            },
            kFirstPagePhotos);
    };
    job.step = [this] { events_.LoadStep(); };
    job.done = [this, load, ok] {
        if (*ok && !load->Whole()) return CopyRest(load);
        load_.reset();
        Finish(*load, *ok);
    };
    return jobs_.Start(std::move(job));
}

// The first page is copied: it shows while the rest is copied behind it.
void CustomerJob::CopyRest(const std::shared_ptr<FolderLoad>& load) {
    load->Join();
    events_.CopyingBehind();
    events_.HandBack();
    auto ok = std::make_shared<bool>(false);
    JobRunner::Job job;
    job.work = [load, ok](JobContext& context) {
        // The customer's pages come first.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
        *ok = load->Copy(context, nullptr);
    };
    job.step = [this, load, counted = std::int32_t{0}]() mutable {
        events_.LoadStep();
        if (state_.bRefreshing) return;  // a page's worker owns the list
        load->Join();
        events_.Grew();
        // The price walks the whole list: counted again as the list grows
        // by an eighth, not at every photo of a card of thousands.
        const std::int32_t size = state_.photoList.GetSize();
        if (size - counted < std::max<std::int32_t>(kFirstPagePhotos, counted / 8)) return;
        counted = size;
        Recount();
    };
    job.done = [this, load, ok] {
        jobs_.Wait();
        load_.reset();
        Finish(*load, *ok, true);
    };
    copies_.Start(std::move(job));
    ShowPage();
}

bool CustomerJob::Prepare(FolderLoad& load, const std::string& folder,
                          const std::vector<std::string>& selected, bool appending) {
    if (const char* refusal = load.Check(folder, selected)) {
        events_.Message(refusal);
        Abandon(nullptr);
        return false;
    }
    // No cell may keep a record that is about to be freed.
    if (!load.OpenJob(appending, [this] { events_.Emptying(); })) {
        events_.Message(kNoOrderNumberMessage);
        Abandon(nullptr);
        return false;
    }
    // A new job gives the previous one up: no start offers it again.
    if (!appending) {
        saves_.Wait();
        journal_.Clear();
    }
    const char* first = nullptr;
    if (load.TreeFails(&first)) {
        load.Finish(false);
        if (first) events_.Message(first);
        Abandon(kBackupFailedMessage);
        return false;
    }
    events_.LoadStarted(static_cast<int>(load.PhotoCount()));
    return true;
}

void CustomerJob::Finish(FolderLoad& load, bool ok, bool shown) {
    // A card pulled behind the first page is told as any failed load is;
    // the customer may go on with the photos copied whole so far.
    bool goOn = false;
    if (!ok && shown) {
        if (load.NamesTooLong()) events_.Message(kTreeTooLongMessage);
        events_.Message(kBackupFailedMessage);
        goOn = events_.Ask(kAppendCopyFailedQuestion);
    }
    // The customer stays on the page shown meanwhile.
    if (!shown || !(ok || goOn)) events_.Emptying();
    const bool joined = goOn ? load.KeepMade() : load.Finish(ok);
    if (!joined) {
        if (!shown && load.NamesTooLong()) events_.Message(kTreeTooLongMessage);
        Abandon(shown ? nullptr : kBackupFailedMessage);
        return;
    }
    HandPhone();
    events_.LoadOver(true);
    if (!shown) events_.HandBack();
    TurnAhead();
    // Fills the first page, unless the customer browses already, and writes
    // the order files.
    RunPage(!shown);
}

// The job is not started or given up; a message comes after the host has
// been told.
void CustomerJob::Abandon(const char* message) {
    EndPhone();
    events_.HandBack();
    events_.LoadOver(false);
    Recount();
    if (message) events_.Message(message);
}

bool CustomerJob::Appended() {
    TurnAhead();
    return ShowPage();
}

bool CustomerJob::ShowPage() { return RunPage(true); }

bool CustomerJob::RunPage(bool fill) {
    // The cells are filled on the UI thread once the events that led here
    // are done; the worker then writes the order files.
    // An edit's save never lands after the page's newer write.
    saves_.Wait();
    auto placed = std::make_shared<bool>(false);
    auto written = std::make_shared<bool>(true);
    auto prices = std::make_shared<std::vector<std::int64_t>>();
    auto shown = std::make_shared<ShownPage>();
    JobRunner::Job job;
    job.before = [this, placed, shown, fill] {
        if (fill) events_.FillPage();
        // No file names a photo before every copy is made: a cut meanwhile
        // leaves the job as a cut during a load does.
        *placed = state_.session.bOrderPlaced || load_;
        *shown = events_.Shown();
    };
    job.work = [this, placed, written, prices, shown](JobContext&) {
        // The price file may have changed since; the running price reads
        // no file between two pages.
        *prices = StorePriceCents(state_.startup.catalogue);
        ReadMissingPixelSizes(state_.photoList, services_.files);
        if (*placed || state_.orderInfo.storeDDH.empty()) return;
        const OrderPaths paths{state_.startup.config.dir, state_.startup.date.dateStr};
        *written =
            OrderFiles(paths, state_.orderInfo, state_.photoList, services_.files, services_.clock)
                .WriteOrderFiles(false);
        // Flushed on the saves' lane after: the page is not kept waiting.
        if (*written) journal_.Write(journal_.Record(shown->first, shown->big), false);
    };
    job.done = [this, written, prices] {
        // A full disk: told once, and the order waits for the files.
        if (NoteOrderFilesWritten(state_.session, *written))
            events_.Message(kOrderFilesUnwrittenMessage);
        storePrices_ = std::move(*prices);
        // Copies made behind the page while its worker owned the list.
        if (load_) {
            load_->Join();
            events_.Grew();
        }
        Recount();
        FlushRecord();
    };
    if (!jobs_.Start(std::move(job))) return false;  // one at a time
    if (fill) events_.PageLeaving();
    return true;
}

bool CustomerJob::Change(std::function<void()> change) {
    if (load_) return false;  // it would miss the photos still copied
    saves_.Wait();
    JobRunner::Job job;
    job.before = [this] { events_.PageLeaving(); };
    job.work = [change = std::move(change)](JobContext&) { change(); };
    job.done = [this] { ShowPage(); };
    return jobs_.Start(std::move(job));
}

void CustomerJob::Recount() {
    const ProcessState& p = state_;
    priceLine_ = p.photoList.GetSize() == 0
                     ? std::string()
                     : RunningPriceText(p.photoList, p.startup.catalogue, storePrices_,
                                        p.flags.verison_origdirfile == 1) +
                           UnseenPriceNote(FindUnseen(p.photoList).count);
    events_.PriceChanged();
}

void CustomerJob::End(JobEnd how) {
    const std::string number = state_.orderInfo.storeDDH;
    const bool placed = state_.session.bOrderPlaced;
    jobs_.Stop();
    jobs_.Wait();
    copies_.Stop();
    copies_.Wait();
    saves_.Wait();
    saveAgain_ = false;
    journal_.Clear();
    upright_.Stop();
    upright_.Wait();
    toTurn_.clear();
    // A load stopped half-way: its done never ran, so it is given up here.
    if (load_) std::exchange(load_, nullptr)->Finish(false);
    EndPhone();  // with what it received
    events_.LoadOver(false);
    events_.Emptying();
    ForgetJob(state_);
    Recount();
    // After the workers: none writes its order files any more.
    if (how == JobEnd::kIdle && !placed && !number.empty())
        RemoveUnplacedJob({state_.startup.config.dir, state_.startup.date.dateStr}, number,
                          services_.files);
}

void CustomerJob::Edited() {
    Recount();
    SaveEdits();
}

// From a save's done, where the lane still counts as running.
void CustomerJob::SaveAgain() {
    if (std::exchange(saveAgain_, false)) SaveEdits(true);
}

void CustomerJob::SaveEdits(bool chained) {
    const ProcessState& p = state_;
    // A worker that owns the list writes it itself; a placed order's files
    // are final.
    if (p.bRefreshing || load_ || p.orderInfo.storeDDH.empty() || p.session.bOrderPlaced ||
        p.session.bPlacing)
        return;
    if (!chained && saves_.Running()) {
        saveAgain_ = true;
        return;
    }
    const ShownPage shown = events_.Shown();
    const OrderPaths paths{p.startup.config.dir, p.startup.date.dateStr};
    auto file = std::make_shared<std::string>(paths.PhotoIni(p.orderInfo.storeDDH));
    // Taken here, where the list is the UI thread's.
    auto bytes = std::make_shared<std::string>(FormatPhotoIni(p.orderInfo, false, p.photoList));
    auto record = std::make_shared<StationJob>(journal_.Record(shown.first, shown.big));
    JobRunner::Job job;
    job.work = [this, file, bytes, record](JobContext&) {
        if (services_.files.ReplaceFile(*file, *bytes)) journal_.Write(*record, true);
    };
    job.done = [this] { SaveAgain(); };
    saves_.Start(std::move(job));
}

void CustomerJob::FlushRecord() {
    if (saves_.Running()) {
        saveAgain_ = true;  // its save flushes
        return;
    }
    JobRunner::Job job;
    job.work = [this](JobContext&) { journal_.Flush(); };
    job.done = [this] { SaveAgain(); };
    saves_.Start(std::move(job));
}

bool CustomerJob::Resume(const StationJob& left) {
    if (state_.bRefreshing || load_) return false;
    events_.Emptying();
    if (!LoadLeftJob(left, state_, services_.files)) return false;
    // Held as a job of this station again: no other station finishes it.
    state_.jobLock = HoldJobFolder(services_.files, state_.orderInfo.backupDir);
    journal_.Adopt(left);
    TurnAhead();
    Recount();
    return true;
}

bool CustomerJob::CopiesDone() {
    if (load_) events_.Message(kStillCopyingMessage);
    return !load_;
}

void CustomerJob::ReadyToOrder() {
    saves_.Wait();
    // What is left is turned at the customer's priority, all of it.
    upright_.Stop();
    upright_.Wait();
    toTurn_ = JobCopies(state_.photoList, state_.orderInfo.backupDir);
    StartTurning(false);
    upright_.Wait();
}

std::string CustomerJob::OpenPhone() {
    if (phone_) return {};
    const PhoneSettings settings =
        LoadPhoneSettings(state_.startup.settingsFolder, services_.files);
    const std::string root = state_.startup.config.dir;
    PhoneLimits limits;
    limits.linkLife = std::chrono::minutes(settings.linkMinutes);
    auto session =
        std::make_shared<PhoneSession>(NewPhoneSessionFolder(PhoneStationFolder(
                                           root, state_.startup.settingsFolder, services_.files)),
                                       root, services_.files, services_.disks, limits);
    if (settings.address.empty() || !session->Open() ||
        !ServeLink(settings.address, settings.port)) {
        session->End();
        return {};
    }
    EndPhone();  // a newer visit: the last one's page hears that it ended
    phone_ = session;
    link_.Serve(session);
    return session->Address(linkAddress_, linkPort_);
}

bool CustomerJob::ServeLink(const std::string& address, int port) {
    if (linkPort_ && address == linkAddress_ && (port == 0 || port == linkPort_)) return true;
    WebServerLimits limits;
    limits.maxBodyBytes = PhoneLimits{}.maxPhotoBytes;
    int bound = 0;
    if (!services_.webServer.Start(address, port, link_, limits, &bound)) bound = 0;
    linkAddress_ = address;
    linkPort_ = bound;
    return bound != 0;
}

std::vector<std::string> CustomerJob::PhonePhotos() const {
    std::vector<std::string> paths;
    if (phone_)
        for (const PhoneReceived& p : phone_->Received()) paths.push_back(p.path);
    return paths;
}

std::map<std::string, std::string> CustomerJob::PhoneNames() const {
    std::map<std::string, std::string> names;
    if (phone_)
        for (const PhoneReceived& p : phone_->Received()) names[p.path] = p.origName;
    return names;
}

void CustomerJob::StopServing() {
    if (!phone_) return;
    phone_->Finish();
    // Served again at once: the page hears that its photos are taken.
    services_.webServer.Stop();
    const int port = std::exchange(linkPort_, 0);
    ServeLink(linkAddress_, port);
}

void CustomerJob::HandPhone() {
    if (phone_) std::exchange(phone_, nullptr)->Handed();
}

void CustomerJob::PhonePlaced(const PhoneOrderAnswer& answer) {
    if (const std::shared_ptr<PhoneSession> last = link_.Session()) last->Placed(answer);
}

bool CustomerJob::PhoneAnswerWaiting() const {
    const std::shared_ptr<PhoneSession> last = link_.Session();
    return last && last->AnswerWaiting();
}

void CustomerJob::EndPhone() {
    StopServing();
    phone_.reset();
    if (const std::shared_ptr<PhoneSession> last = link_.Session()) last->End();
}

bool CustomerJob::Settle() {
    if (state_.bRefreshing && jobs_.Running() && !load_) jobs_.Wait();
    return !state_.bRefreshing;
}

void CustomerJob::Wait() {
    // A load's first page starts the copy of the rest, whose end shows the
    // page again.
    jobs_.Wait();
    copies_.Wait();
    jobs_.Wait();
    saves_.Wait();
}

void CustomerJob::WaitUpright() { upright_.Wait(); }

void CustomerJob::TurnAhead() {
    // Copies already upright cost a header read each.
    const std::vector<std::string> copies = JobCopies(state_.photoList, state_.orderInfo.backupDir);
    toTurn_.insert(toTurn_.end(), copies.begin(), copies.end());
    if (!upright_.Running()) StartTurning(true);
}

void CustomerJob::StartTurning(bool ahead) {
    auto copies = std::make_shared<std::vector<std::string>>(std::exchange(toTurn_, {}));
    if (copies->empty()) return;
    JobRunner::Job job;
    job.work = [this, copies, ahead](JobContext& context) {
        // Ahead, the customer's pages come first: this worker only takes
        // what the decoding of pages leaves of the cores.
        if (ahead) setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
        for (const std::string& copy : *copies) {
            if (context.Stopped()) return;
            TurnCopyUpright(services_.files, copy);
        }
    };
    // Copies joined meanwhile follow on the same lane.
    job.done = [this, ahead] { StartTurning(ahead); };
    upright_.Start(std::move(job));
}

}  // namespace orelle
