#pragma once
// The photo window's answers to placing an order: its dialogs, each run
// modally over the window.

#include "submit/BackOfficeLogin.h"
#include "submit/OrderPrompts.h"

class QWidget;

namespace orelle {

struct ProcessState;
struct Services;

class WindowOrderPrompts final : public OrderPrompts {
  public:
    // Everything given must outlive the prompts; backOffice is the
    // operator's back-office login, kept between orders.
    WindowOrderPrompts(ProcessState& state, const Services& services, BackOfficeLogin& backOffice,
                       QWidget* parent);

    std::int32_t PackageCount() override;
    std::optional<std::string> Requirements(const std::string& stats,
                                            const std::string& current) override;
    std::int32_t CompressionRate() override;
    PaperChoice Paper() override;
    std::optional<OrderOutcome> RunOrderDialog(const OrderRequest& request,
                                               OrderExchange& exchange) override;
    void DatabaseError(const char* text) override;
    void Notice(const std::string& caption, const std::string& text, int lines) override;
    void ShowFinalNotice(const FinalNotice& notice) override;
    void ReportReceipt(ReceiptOutcome outcome) override;
    std::optional<AlbumLoginResult> AlbumLogin(const WebClient& client) override;
    std::optional<std::string> AlbumChoice(const std::string& albumList) override;

  private:
    ProcessState& state_;
    const Services& services_;
    BackOfficeLogin& backOffice_;
    QWidget* parent_;
};

}  // namespace orelle
