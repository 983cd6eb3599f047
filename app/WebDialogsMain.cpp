// orelle-web-dialogs: a developer's tool that runs one of the dialogs that
// talk to the order web server, modally and on the real display, the way
// the station runs it, against the server that param.ini names (for
// example orelle-order-server with app/order-server-demo.txt). The order
// dialog runs in the edition ver_ctrl.ini names; in the database edition it
// places a demonstration order after a pause, without a database. The
// route members come from the database param.ini's [dbserver] names.

#include <QApplication>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "ProgramOptions.h"
#include "orderdata/FeatureFlags.h"
#include "orderdata/ParamConfig.h"
#include "platform/Services.h"
#include "platform/clock/Clock.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"
#include "skin/ModalRunner.h"
#include "skin/SkinLook.h"
#include "skin/SystemTranslations.h"
#include "stores/PickupPointDialog.h"
#include "stores/RouteMemberDialog.h"
#include "stores/StoreListRefresh.h"
#include "submit/AlbumChoiceDialog.h"
#include "submit/AlbumLoginDialog.h"
#include "submit/BackOfficeLogin.h"
#include "submit/BackOfficeLoginDialog.h"
#include "submit/OrderBackEnd.h"
#include "submit/OrderDatabase.h"
#include "submit/OrderDialog.h"
#include "submit/OrderExchange.h"
#include "submit/ServiceNoticeDialog.h"
#include "submit/WebClient.h"
#include "submit/WebLimits.h"

namespace {

// Stands in for the order database: the order number without a database,
// after a pause that leaves time to look at the dialog.
class PausedLocalOrder : public orelle::OrderBackEnd {
  public:
    explicit PausedLocalOrder(std::string computerId) : computerId_(std::move(computerId)) {}
    orelle::OrderOutcome Submit(const orelle::OrderRequest& request,
                                orelle::JobContext& context) override {
        for (int i = 0; i < 500 && !context.Stopped(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        orelle::OrderOutcome out;
        out.placed = true;
        out.orderNumber = computerId_ + "20" + request.localId;
        out.memberCode = request.memberCode;
        return out;
    }

  private:
    std::string computerId_;
};

int RunOrderDialog(const orelle::Services& machine, orelle::ParamConfig& config,
                   const std::string& settings, std::atomic<bool>& busy) {
    using namespace orelle;
    const FeatureFlags flags = LoadFeatureFlags(settings, config, machine.files);
    BackOfficeLogin backOffice;
    PausedLocalOrder database(config.computerId);
    OrderExchange exchange(
        {settings, machine.files, machine.http, machine.database, config, flags, 0, {}},
        flags.IsDatabaseEdition() ? &database : nullptr);
    OrderRequest request;
    request.summaryText = "6寸(6x4) 2张\r\n订单要求:\r\n无(光面)";
    request.localId = "150307001";
    request.productList = "6x4:2/";
    OrderDialogServices services{machine.clock, flags, backOffice, busy, {}, {}};
    services.choosePickupPoint = [&](const WebClient& client, QWidget* over) {
        return PickupPointDialog::Choose(client, machine.files, settings, busy, over);
    };
    OrderDialog dialog(request, exchange, services);
    if (RunModal(dialog) != QDialog::Accepted) return 1;
    const OrderOutcome& r = dialog.Result();
    std::printf("order number %s, member %s\n%s\n", r.orderNumber.c_str(), r.memberCode.c_str(),
                r.closingNotice.c_str());
    return 0;
}

const char* const kUsage =
    "usage: orelle-web-dialogs [--config DIR] "
    "album-login|album-choice|back-office|notice|pickup|route-members|order\n"
    "  opens one dialog that talks to the back office on the display\n";

int Usage() { return orelle::app::UsageError(kUsage); }

int Run(const std::string& which, const std::string& settings) {
    using namespace orelle;
    const Services machine = MachineServices();
    FileSystem& fs = machine.files;
    ParamConfig config = LoadParamConfig(settings, fs);
    LoadWebServers(settings, config, fs);
    const WebClient client(config, LoadWebLimits(settings, fs), machine.http);
    std::atomic<bool> busy{false};
    if (which == "album-login" || which == "album-choice") {
        AlbumLoginDialog login(client, busy);
        if (RunModal(login) != QDialog::Accepted) return 1;
        std::printf("order number %s, albums %s\n", login.OrderNumber().c_str(),
                    login.AlbumListText().c_str());
        if (which == "album-login") return 0;
        AlbumChoiceDialog choice(login.AlbumListText());
        if (RunModal(choice) != QDialog::Accepted) return 1;
        std::printf("album %s %s\n", choice.ChosenId().c_str(), choice.ChosenName().c_str());
        return 0;
    }
    if (which == "back-office") {
        BackOfficeLogin kept;
        BackOfficeLoginDialog login(client, kept, busy);
        if (RunModal(login) != QDialog::Accepted) return 1;
        std::printf("store %s\n", kept.user.c_str());
        return 0;
    }
    if (which == "notice") {
        ServiceNoticeDialog notice(client, busy);
        RunModal(notice);
        return 0;
    }
    if (which == "pickup") {
        PickupPointDialog pickup(client, fs, StoreListPath(settings), busy);
        if (RunModal(pickup) != QDialog::Accepted) return 1;
        std::printf("pickup point %s %s\n", pickup.Serid().c_str(), pickup.Storename().c_str());
        return 0;
    }
    if (which == "route-members") {
        // The routes from param.ini's [dbserver]; the look-up without a store login.
        const BackOfficeLogin noLogin;
        RouteMemberDialog routes(machine.database, OrderDatabaseSettings(config), client, noLogin);
        if (RunModal(routes) != QDialog::Accepted) return 1;
        std::printf("route %s member %s password %s\n", routes.RouteName().c_str(),
                    routes.MemberCode().c_str(), routes.Password().c_str());
        return 0;
    }
    if (which == "order") return RunOrderDialog(machine, config, settings, busy);
    return Usage();
}

}  // namespace

int main(int argc, char** argv) {
    if (const int code =
            orelle::app::AnswerStandardOptions(argc, argv, "orelle-web-dialogs", kUsage);
        code >= 0)
        return code;
    std::string settings = orelle::paths::ProgramFolder();
    std::string which;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--config") == 0 && i + 1 < argc) {
            settings = argv[++i];
            if (!settings.empty() && settings.back() != '/') settings += '/';
        } else if (which.empty() && argv[i][0] != '-') {
            which = argv[i];
        } else {
            return Usage();
        }
    }
    if (which.empty()) return Usage();
    QApplication app(argc, argv);
    orelle::InstallSkinFonts();
    orelle::InstallSystemTranslations();
    return Run(which, settings);
}
