#pragma once
// The order values of the one job the station holds: what the host sets
// (order type, its member and store, the upload window) and what placing
// the order decides. One per process, handed to the pieces that read it;
// UI thread only.

#include <cstdint>
#include <string>

#include "orderdata/PaperSettings.h"

namespace orelle {

class CUpFileWnd;

// An order the back office has numbered whose files are not yet written
// (they failed): a retry writes them for this number and asks the back
// office nothing. An empty number is none.
struct TakenOrder {
    std::string number;
    std::string closingNotice;
    PaperFinish finish = PaperFinish::kGlossy;  // for the receipt
};

struct OrderSession {
    // 0 prints as edited; 1 as it is (no size or framing changes); 2 a
    // package (no quantity changes).
    std::int32_t nOrderType = 0;
    bool bOrderPlaced = false;
    // An order command is under way (its dialogs are open): a second one
    // does nothing.
    bool bPlacing = false;
    // The host's store and the member preset for the order dialog.
    std::int32_t nStoreNumber = 0;
    std::string memberAccount;
    std::string memberPassword;
    CUpFileWnd* pUploadWnd = nullptr;  // the host's, may be null
    // What the customer asked for in words, kept until the host takes the
    // station back.
    std::string OrderRequirement;
    // Chosen while placing the order (the compression rate is the order
    // header's frate).
    std::int32_t paperIndex = 0;
    std::string paperName;
    // 1 to 3 picks the paper of ver_ctrl.ini's p1 to p3 named on the
    // receipt; 0 names none. Set again by each order command.
    std::int32_t processingNumber = 0;
    // The order's product codes and counts as the back office takes them,
    // and the lines of the last detail text; both rebuilt with that text.
    std::string ProductList;
    std::int32_t noticeLines = 0;
    TakenOrder taken;
    // The job's order files failed at their latest write: a new order
    // waits until they are written.
    bool filesUnwritten = false;
};

}  // namespace orelle
