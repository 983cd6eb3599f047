#pragma once
// What the customer's job tells its screen, on the UI thread, in the order
// it happens. The screen only shows; it decides nothing of the job.

#include <cstdint>

namespace orelle {

// The page on show: its first photo, and the photo of the big view (-1:
// none).
struct ShownPage {
    std::int32_t first = 0;
    std::int32_t big = -1;
};

class CustomerJobEvents {
  public:
    virtual ~CustomerJobEvents() = default;

    // The job's photos are about to go: nothing on screen keeps one.
    virtual void Emptying() = 0;
    // The list may change under the page: no cell keeps a record until
    // FillPage binds the next one; the pictures may stay on show.
    virtual void PageLeaving() = 0;
    // Binds the page to the cells, before the order files are written.
    virtual void FillPage() = 0;
    // A load copies this many photos, one step each, until it is over
    // (joined: its copies are the job now).
    virtual void LoadStarted(int photos) = 0;
    virtual void LoadStep() = 0;
    virtual void LoadOver(bool joined) = 0;
    // The first page shows while the rest of the load is copied behind it:
    // the load's steps go on beside the page until LoadOver.
    virtual void CopyingBehind() {}
    // Photos copied behind the page joined the job: its count grew.
    virtual void Grew() {}
    // The host gets the station back (its message 4027).
    virtual void HandBack() = 0;
    virtual void Message(const char* text) = 0;
    // A yes/no question; none answers no.
    virtual bool Ask(const char* question) {
        (void)question;
        return false;
    }
    // The running price's totals changed.
    virtual void PriceChanged() = 0;
    // What the customer sees now, for the job's record.
    virtual ShownPage Shown() const { return {}; }
};

}  // namespace orelle
