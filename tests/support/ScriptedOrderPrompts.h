#pragma once
// Answers to the order command's dialogs, set by a test, and a record of
// what each dialog was shown; a host link that records its messages.

#include <optional>
#include <string>
#include <vector>

#include "platform/messages/HostLink.h"
#include "submit/OrderExchange.h"
#include "submit/OrderPrompts.h"

namespace orelle::testing {

// An order the back office took, as the order dialog hands it back.
inline OrderOutcome AcceptedOrder(const std::string& number, const std::string& closingNotice) {
    OrderOutcome out;
    out.placed = true;
    out.orderNumber = number;
    out.closingNotice = closingNotice;
    return out;
}

struct ShownNotice {
    std::string caption, text;
    int lines = 0;
};

class ScriptedOrderPrompts : public OrderPrompts {
  public:
    // The answers.
    std::int32_t packageCount = 1;
    std::optional<std::string> requirement = std::string();
    std::int32_t compressionRate = 97;
    PaperChoice paper;
    std::optional<OrderOutcome> order = AcceptedOrder("0020150307001", "请注意!");
    std::optional<AlbumLoginResult> albumLogin = AlbumLoginResult{"0020150307002", "\\12:Summer/"};
    std::optional<std::string> album = std::string("12");

    // What was asked and shown, in order ("package", "requirements", ...).
    std::vector<std::string> asked;
    std::string stats, currentRequirement;
    std::vector<OrderRequest> orderDialogs;
    // The editions of the order dialogs' exchanges, and whether each had a
    // back end.
    std::vector<OrderMode> exchangeModes;
    std::vector<bool> exchangeBackEnds;
    std::vector<ShownNotice> notices;
    std::vector<std::string> codes;  // of the final notices
    std::vector<ReceiptOutcome> receipts;
    std::string albumList;

    std::int32_t PackageCount() override {
        asked.push_back("package");
        return packageCount;
    }
    std::optional<std::string> Requirements(const std::string& s,
                                            const std::string& current) override {
        asked.push_back("requirements");
        stats = s;
        currentRequirement = current;
        return requirement;
    }
    std::int32_t CompressionRate() override {
        asked.push_back("compression");
        return compressionRate;
    }
    PaperChoice Paper() override {
        asked.push_back("paper");
        return paper;
    }
    std::optional<OrderOutcome> RunOrderDialog(const OrderRequest& request,
                                               OrderExchange& exchange) override {
        asked.push_back("order");
        orderDialogs.push_back(request);
        exchangeModes.push_back(exchange.Mode());
        exchangeBackEnds.push_back(exchange.BackEnd() != nullptr);
        return order;
    }
    void DatabaseError(const char*) override {}
    void Notice(const std::string& caption, const std::string& text, int lines) override {
        asked.push_back("notice");
        notices.push_back({caption, text, lines});
    }
    // Recorded as a notice, its code apart.
    void ShowFinalNotice(const FinalNotice& notice) override {
        Notice(notice.caption, notice.text, notice.lines);
        codes.push_back(notice.code);
    }
    void ReportReceipt(ReceiptOutcome outcome) override { receipts.push_back(outcome); }
    std::optional<AlbumLoginResult> AlbumLogin(const WebClient&) override {
        asked.push_back("albumlogin");
        return albumLogin;
    }
    std::optional<std::string> AlbumChoice(const std::string& list) override {
        asked.push_back("albumchoice");
        albumList = list;
        return album;
    }
};

struct HostCall {
    int message = 0;
    std::intptr_t wParam = 0, lParam = 0;
};

class RecordingHostLink : public HostLink {
  public:
    std::vector<HostCall> calls;
    void Send(int message, std::intptr_t wParam, std::intptr_t lParam) override {
        calls.push_back({message, wParam, lParam});
    }
};

}  // namespace orelle::testing
