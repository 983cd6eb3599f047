#include "photownd/WindowOrderPrompts.h"

#include <QDialog>
#include <utility>

#include "cell/PaperDialog.h"
#include "cell/QuantityDialog.h"
#include "orderdata/ProcessState.h"
#include "photownd/CompressionDialog.h"
#include "photownd/RequirementDialog.h"
#include "platform/Services.h"
#include "skin/ModalRunner.h"
#include "skin/ShowNotice.h"
#include "stores/RouteMemberDialog.h"
#include "submit/AlbumChoiceDialog.h"
#include "submit/AlbumLoginDialog.h"
#include "submit/DatabaseOrderBackEnd.h"
#include "submit/OrderDialog.h"
#include "submit/ReceiptNotice.h"
#include "submit/WebClient.h"
#include "submit/WebLimits.h"

namespace orelle {

WindowOrderPrompts::WindowOrderPrompts(ProcessState& state, const Services& services,
                                       StoreLogin& backOffice, QWidget* parent)
    : state_(state), services_(services), backOffice_(backOffice), parent_(parent) {}

std::int32_t WindowOrderPrompts::PackageCount() {
    QuantityDialog dialog(parent_);
    RunModal(dialog);
    return dialog.count;
}

std::optional<std::string> WindowOrderPrompts::Requirements(const std::string& stats,
                                                            const std::string& current) {
    RequirementDialog dialog(stats, current, parent_);
    if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.requirement;
}

std::int32_t WindowOrderPrompts::CompressionRate() {
    CompressionDialog dialog(parent_);
    RunModal(dialog);
    return dialog.rate;
}

PaperChoice WindowOrderPrompts::Paper() {
    PaperDialog dialog(state_.startup.settingsFolder, services_.files, parent_);
    RunModal(dialog);
    return {dialog.finish, dialog.paperIndex, dialog.paperName};
}

std::optional<PlacedOrder> WindowOrderPrompts::RunOrderDialog(const OrderDialogInput& input) {
    ParamConfig& config = state_.startup.config;
    DatabaseOrderBackEnd database(services_.database, config, state_.flags, [](const char* text) {
        ShowMessage(nullptr, kDatabaseErrorTitle, text);
    });
    OrderDialogServices services{state_.startup.settingsFolder,
                                 services_.files,
                                 services_.clock,
                                 services_.http,
                                 config,
                                 state_.flags,
                                 backOffice_,
                                 state_.bRefreshing,
                                 state_.flags.IsDatabaseEdition() ? &database : nullptr,
                                 {}};
    services.chooseRouteMember =
        [this,
         &config](const WebClient& client) -> std::optional<std::pair<std::string, std::string>> {
        RouteMemberDialog dialog(services_.database, OrderDatabaseSettings(config), client,
                                 backOffice_, parent_);
        if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
        return std::pair{dialog.MemberCode(), dialog.Password()};
    };
    OrderDialog dialog(input, services, parent_);
    if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
    ApplyOrderDialogResult(dialog.Result(), state_.orderInfo, config);
    placedNumber = dialog.Result().orderNumber;
    return PlacedOrder{dialog.Result().orderNumber, dialog.Result().closingNotice};
}

void WindowOrderPrompts::Notice(const std::string& caption, const std::string& text, int lines) {
    ShowNotice(caption, text, lines, false, parent_);
}

void WindowOrderPrompts::ReportReceipt(ReceiptOutcome outcome) { orelle::ReportReceipt(outcome); }

std::optional<AlbumLoginResult> WindowOrderPrompts::AlbumLogin() {
    const std::string& folder = state_.startup.settingsFolder;
    const WebClient client(state_.startup.config, LoadWebLimits(folder, services_.files),
                           services_.http);
    AlbumLoginDialog dialog(client, state_.bRefreshing, parent_);
    if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
    placedNumber = dialog.OrderNumber();
    return AlbumLoginResult{dialog.OrderNumber(), dialog.AlbumListText()};
}

std::optional<std::string> WindowOrderPrompts::AlbumChoice(const std::string& albumList) {
    AlbumChoiceDialog dialog(albumList, parent_);
    if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.ChosenId();
}

}  // namespace orelle
