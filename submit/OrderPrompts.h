#pragma once
// What placing an order asks and tells the customer, one modal dialog a
// call, on the user-interface thread. The photo window answers with its
// dialogs; tests with a script.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "orderdata/PaperSettings.h"
#include "submit/FinalNotice.h"
#include "submit/LocalOrderReceipt.h"
#include "submit/OrderBackEnd.h"

namespace orelle {

class OrderExchange;
class WebClient;

// The paper dialog's results.
struct PaperChoice {
    PaperFinish finish = PaperFinish::kGlossy;
    std::int32_t paperIndex = 0;
    std::string paperName;
};

// An album login the web server took: the album order's number and the
// album list text ("\12:Summer/13:Trip/").
struct AlbumLoginResult {
    std::string orderNumber;
    std::string albumList;
};

class OrderPrompts {
  public:
    virtual ~OrderPrompts() = default;

    // The quantity dialog: the count of every print size of a package,
    // however it closed.
    virtual std::int32_t PackageCount() = 0;
    // The requirements dialog with the statistics and the current
    // requirement: the typed text, nothing for Cancel.
    virtual std::optional<std::string> Requirements(const std::string& stats,
                                                    const std::string& current) = 0;
    // The compression dialog's rate, however it closed.
    virtual std::int32_t CompressionRate() = 0;
    // The paper dialog, read however it closed.
    virtual PaperChoice Paper() = 0;
    // The order dialog over the exchange, with the request as the
    // placement made it: the order the back office took, completed with
    // what the customer typed; nothing for Cancel. It writes nothing.
    virtual std::optional<OrderOutcome> RunOrderDialog(const OrderRequest& request,
                                                       OrderExchange& exchange) = 0;
    // One of the order database's error boxes (kDatabaseErrorTitle).
    virtual void DatabaseError(const char* text) = 0;
    // The notice box, without its cancel button, sized for lines lines.
    virtual void Notice(const std::string& caption, const std::string& text, int lines) = 0;
    // The notice that ends a placed order, with its number as a code.
    virtual void ShowFinalNotice(const FinalNotice& notice) = 0;
    // How printing the receipt went (a message for a missing or failing
    // printer; nothing for a printed one).
    virtual void ReportReceipt(ReceiptOutcome outcome) = 0;
    // The album login dialog over the client, then the album choice dialog
    // with its list: the chosen album's id. Nothing for Cancel.
    virtual std::optional<AlbumLoginResult> AlbumLogin(const WebClient& client) = 0;
    virtual std::optional<std::string> AlbumChoice(const std::string& albumList) = 0;
};

}  // namespace orelle
