#pragma once
// The customer's job from its start to its end, without windows: a card's
// folder or a phone visit's photos (under the names the phone gave them)
// copied into a new job (the folder load, on a worker), the page shown and
// the order files written after it, copies joined by an append, the copies
// turned upright ahead of the customer and all of them before an order,
// the running price's totals, the station's record of the job kept as it
// goes (JobJournal), a job the station left at a cut taken up again, and
// the end (a load given up, the phone visit ended, the turning stopped,
// the job forgotten, its record removed). It works on the
// process's state and services, which outlive it. UI thread only: its
// workers hand back on that thread, and what the screen must show comes
// through its events there, in order. While one of its workers owns the
// list, the busy flag is raised; the turning runs on a lane of its own at
// the lowest priority and keeps no command waiting.

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "job/CustomerJobEvents.h"
#include "job/JobJournal.h"
#include "phone/PhoneLink.h"
#include "platform/Services.h"
#include "platform/jobs/JobRunner.h"

namespace orelle {

class FolderLoad;
class PhoneSession;

// How a job ends: the customer went home, or nobody touched the station
// for the idle span.
enum class JobEnd { kHome, kIdle };
struct PhoneOrderAnswer;
struct PhotoRecord;
struct ProcessState;

class CustomerJob {
  public:
    // Warms the decoding of one of the first page's photos while the rest
    // is copied; called on the load's worker.
    using Prefetch = std::function<void(const PhotoRecord&)>;

    CustomerJob(ProcessState& state, const Services& services, CustomerJobEvents& events,
                Prefetch prefetch = {});
    ~CustomerJob();
    CustomerJob(const CustomerJob&) = delete;
    CustomerJob& operator=(const CustomerJob&) = delete;

    // Starts a job from folder (only the selected photos of it, when there
    // are any; appending: into the open job) and shows its first page once
    // its photos are copied and joined; the rest is copied behind it at a
    // lower priority, joining as it goes (Loading meanwhile), and the page
    // is shown again at the end. The phone visit's folder loads under the
    // phone's names, and the visit ends with the load. False while another
    // worker runs or a load copies.
    bool Open(const std::string& folder, std::vector<std::string> selected, bool appending);
    // Photos joined the job outside a load (an append): they are turned
    // upright ahead, and the page is shown.
    bool Appended();
    // Fills the page, then writes the order files on a worker unless the
    // order is placed, and reads the store prices afresh. False while
    // another worker runs.
    bool ShowPage();
    // Runs change on a worker, then shows the page under the same busy
    // flag; false while a load copies.
    bool Change(std::function<void()> change);
    // Counts the running price afresh at the prices last read; only while
    // no worker owns the list (or from the job's own events).
    void Recount();
    // The customer edited a record: photo.ini and the job's record follow
    // at once, on a lane of their own that keeps no command waiting. At a
    // cut, only an edit whose save has not ended is lost.
    void Edited();
    // Takes up the job this station left at a cut (FindLeftJob), on no
    // page yet: the caller sets the page and shows it. False, and nothing
    // changed, while a worker runs or when its files no longer read.
    bool Resume(const StationJob& left);
    const std::string& PriceLine() const { return priceLine_; }

    // Every copy of the load is made. Else false, and the customer told to
    // wait: no order, and no copy, delete or append that could clash with
    // the photos still to join.
    bool CopiesDone();
    // Before the order names the copies: every one is upright, turned on a
    // worker at the customer's priority; returns once they are.
    void ReadyToOrder();
    // The job's end by the customer ("主页"), the idle end or the host
    // after placing: gives up a load or page under way (a load with its
    // work folder), stops the turning, empties the screen, forgets the job
    // and removes the station's record of it, so that no later start
    // offers it again. The job's files stay on the disk, except that a
    // job ended idle whose order was not placed leaves nothing there.
    void End(JobEnd how = JobEnd::kHome);

    // A phone visit: a session in the station's own phone folder, its page
    // served at the settings' address (an earlier visit's link ends). The
    // page's address; empty, and nothing left open, when it cannot be
    // served. Once served, the station's address answers until the job
    // owner goes, an ended visit's with the page that says so.
    std::string OpenPhone();
    // The visit whose photos are yet to join the job; null otherwise.
    PhoneSession* Phone() const { return phone_.get(); }
    // The visit's photos, and the names the phone gave them by path.
    std::vector<std::string> PhonePhotos() const;
    std::map<std::string, std::string> PhoneNames() const;
    // No photo of the visit is stored any more, and no thread is inside it.
    void StopServing();
    // The visit's photos joined the job: its folder goes; its open page
    // waits for the order's answer.
    void HandPhone();
    // The job's order is placed: the last visit's page, if still open,
    // gets the answer as its last.
    void PhonePlaced(const PhoneOrderAnswer& answer);
    bool PhoneAnswerWaiting() const;
    // The visit is over: its link dies and its folder goes with what it
    // holds.
    void EndPhone();

    bool Loading() const { return load_ != nullptr; }
    // A page or change of this job holds the busy flag: waits for it. True
    // when nothing is busy then.
    bool Settle();
    // Until the job's workers are over, running their UI steps meanwhile.
    void Wait();
    // Until the copies given to the turning are upright.
    void WaitUpright();

  private:
    // The load's steps on the UI thread: before the copying (false: it
    // does not go on), and after it.
    bool Prepare(FolderLoad& load, const std::string& folder,
                 const std::vector<std::string>& selected, bool appending);
    void CopyRest(const std::shared_ptr<FolderLoad>& load);
    bool RunPage(bool fill);
    // shown: the first page showed while the rest was copied.
    void Finish(FolderLoad& load, bool ok, bool shown = false);
    void Abandon(const char* message);
    void TurnAhead();
    void StartTurning(bool ahead);
    void SaveEdits(bool chained = false);
    void SaveAgain();
    void FlushRecord();

    ProcessState& state_;
    Services services_;
    CustomerJobEvents& events_;
    Prefetch prefetch_;
    std::vector<std::int64_t> storePrices_;
    std::string priceLine_;
    std::shared_ptr<FolderLoad> load_;
    // Starts the server on the link, or keeps it when it serves there.
    bool ServeLink(const std::string& address, int port);
    // The visit until its photos joined the job; the link keeps the last.
    std::shared_ptr<PhoneSession> phone_;
    PhoneLink link_;
    std::string linkAddress_;
    int linkPort_ = 0;  // 0: not served
    // Copies waiting for the turning lane.
    std::vector<std::string> toTurn_;
    JobJournal journal_;
    bool saveAgain_ = false;  // an edit came while its save ran
    // Last: their workers are stopped and joined before anything they use
    // goes.
    std::atomic<bool> turning_{false};
    JobRunner upright_{turning_};
    std::atomic<bool> saving_{false};
    JobRunner saves_{saving_};
    std::atomic<bool> copying_{false};  // the rest of a load, behind its first page
    JobRunner copies_{copying_};
    JobRunner jobs_;
};

}  // namespace orelle
