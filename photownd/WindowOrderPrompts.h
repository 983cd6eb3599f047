#pragma once
// The photo window's answers to placing an order: its dialogs, each run
// modally over the window.

#include "submit/OrderPrompts.h"
#include "submit/StoreLogin.h"

class QWidget;

namespace orelle {

struct ProcessState;
struct Services;

class WindowOrderPrompts final : public OrderPrompts {
  public:
    // Everything given must outlive the prompts; backOffice is the
    // operator's back-office login, kept between orders.
    WindowOrderPrompts(ProcessState& state, const Services& services, StoreLogin& backOffice,
                       QWidget* parent);

    std::int32_t PackageCount() override;
    std::optional<std::string> Requirements(const std::string& stats,
                                            const std::string& current) override;
    std::int32_t CompressionRate() override;
    PaperChoice Paper() override;
    std::optional<PlacedOrder> RunOrderDialog(const OrderDialogInput& input) override;
    void Notice(const std::string& caption, const std::string& text, int lines) override;
    void ReportReceipt(ReceiptOutcome outcome) override;
    std::optional<AlbumLoginResult> AlbumLogin() override;
    std::optional<std::string> AlbumChoice(const std::string& albumList) override;

    // The number of the order the last dialog placed.
    std::string placedNumber;

  private:
    ProcessState& state_;
    const Services& services_;
    StoreLogin& backOffice_;
    QWidget* parent_;
};

}  // namespace orelle
