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
#include "stores/PickupPointDialog.h"
#include "stores/RouteMemberDialog.h"
#include "submit/AlbumChoiceDialog.h"
#include "submit/AlbumLoginDialog.h"
#include "submit/OrderDatabase.h"
#include "submit/OrderDialog.h"
#include "submit/ReceiptNotice.h"

namespace orelle {

WindowOrderPrompts::WindowOrderPrompts(ProcessState& state, const Services& services,
                                       BackOfficeLogin& backOffice, QWidget* parent)
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

std::optional<OrderOutcome> WindowOrderPrompts::RunOrderDialog(const OrderRequest& request,
                                                               OrderExchange& exchange) {
    OrderDialogServices services{services_.clock,    state_.flags, backOffice_,
                                 state_.bRefreshing, {},           {}};
    services.chooseRouteMember =
        [this](const WebClient& client) -> std::optional<std::pair<std::string, std::string>> {
        RouteMemberDialog dialog(services_.database, OrderDatabaseSettings(state_.startup.config),
                                 client, backOffice_, parent_);
        if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
        return std::pair{dialog.MemberCode(), dialog.Password()};
    };
    services.choosePickupPoint = [this](const WebClient& client, QWidget* over) {
        return PickupPointDialog::Choose(client, services_.files, state_.startup.settingsFolder,
                                         state_.bRefreshing, over);
    };
    OrderDialog dialog(request, exchange, services, parent_);
    if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

void WindowOrderPrompts::DatabaseError(const char* text) {
    ShowMessage(nullptr, kDatabaseErrorTitle, text);
}

void WindowOrderPrompts::Notice(const std::string& caption, const std::string& text, int lines) {
    ShowNotice(caption, text, lines, false, parent_);
}

void WindowOrderPrompts::ShowFinalNotice(const FinalNotice& notice) {
    ShowCodeNotice(notice.caption, notice.text, notice.lines, notice.code, parent_);
}

void WindowOrderPrompts::ReportReceipt(ReceiptOutcome outcome) { orelle::ReportReceipt(outcome); }

std::optional<AlbumLoginResult> WindowOrderPrompts::AlbumLogin(const WebClient& client) {
    AlbumLoginDialog dialog(client, state_.bRefreshing, parent_);
    if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
    return AlbumLoginResult{dialog.OrderNumber(), dialog.AlbumListText()};
}

std::optional<std::string> WindowOrderPrompts::AlbumChoice(const std::string& albumList) {
    AlbumChoiceDialog dialog(albumList, parent_);
    if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.ChosenId();
}

}  // namespace orelle
