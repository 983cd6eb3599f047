#pragma once
// The order command from its first check to the hand-back to the host:
// requirements, compression, paper, the order dialog, the order files, the
// upload package, the receipt and message 4027; the album order; the
// host's new order; the uploader hand-off. Works on the process's state,
// asks through OrderPrompts; UI thread only, while no worker owns the job.
//
// What a placed order leaves on the disk, in this order, each file
// replaced whole: photo.ini with the order's number (still bSuccess=0),
// the upload package (when the settings ask for it), the job's section of
// the day's order.ini with bSuccess=-1, the mark that the order is placed,
// and last photo.ini with bSuccess=1. A crash before the mark leaves the
// order shown as not placed, so that it is placed again; after it, every
// file of the order is complete but photo.ini's flag, which the next start
// sets. The customer is told the order number only once the mark is
// written.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/uploader/Uploader.h"
#include "submit/OrderBackEnd.h"

namespace orelle {

class HostLink;
class OrderPrompts;
class Printers;
struct ProcessState;
struct Services;

enum class PlacementResult {
    kNothing,        // nothing to place (an empty product list is told), or busy
    kAlreadyPlaced,  // "本次制作已经下单" was shown
    kCancelled,      // a dialog was cancelled; nothing was written
    kFailed,         // the order files or the package failed, as shown
    kPlaced,         // placed, the host told
};

class OrderPlacement {
  public:
    OrderPlacement(ProcessState& state, const Services& services, OrderPrompts& prompts,
                   HostLink& host, Printers& printers);

    // The folder opened for the job (the upload package names it); empty
    // for none.
    std::string openedFolder;
    // Not empty: the receipt goes into this PDF file, not to the printer.
    std::string receiptPdf;
    // Not null: places the orders in place of the edition's back end.
    OrderBackEnd* backEnd = nullptr;
    // Hears the number of an order placed (the back office's, else the
    // local one) and when to come back for it, once its files are written
    // and before the notice and the host (which may end the job).
    std::function<void(const std::string& number, const std::string& pickupLine)> placed;

    // The order command (OnOrderOk). Does nothing while another order
    // command of the process is under way, so it never places twice.
    PlacementResult Run();
    // The number the order dialog of the last order command gave; empty
    // when none was shown.
    const std::string& PlacedNumber() const { return placedNumber_; }
    // The album order command.
    PlacementResult OnToxc();

  private:
    enum class FilesOutcome { kWritten, kNotConfirmed, kNoPackage };
    // The placed order's files in the order above; on failure the order is
    // left not placed.
    FilesOutcome WritePlacedFiles(bool withPackage);
    // The files of the order the back office numbered (session.taken),
    // then the notice, the receipt and the host.
    PlacementResult WriteTakenOrder();
    // The job's files that failed at a page refresh, written again; false
    // while they still fail (a new order waits for them).
    bool WaitingFilesWritten();
    void TellHost();
    std::optional<OrderOutcome> RunOrderDialog(const OrderRequest& request);
    // The order header's values of the outcome, each once.
    void WriteIntoHeader(const OrderOutcome& placed);

    ProcessState& state_;
    const Services& services_;
    OrderPrompts& prompts_;
    HostLink& host_;
    Printers& printers_;
    std::string placedNumber_;
};

// The host opens a new order: its local order id and order tag. The order
// type follows the product code of the first photo ("A" a package with a
// quantity, "B" a package, else prints; prints for an empty job).
void SetOrderID(ProcessState& state, const std::string& localId, std::int32_t orderTag);

// Tells the uploader of the order (2028 with the order date and tag).
UploaderHandOff SendNewOrder(const ProcessState& state, Uploader& uploader);

}  // namespace orelle
