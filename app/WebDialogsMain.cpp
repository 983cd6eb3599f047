// orelle-web-dialogs: a developer's tool that runs one of the dialogs that
// talk to the order web server, modally and on the real display, the way
// the station runs it, against the server that param.ini names (for
// example orelle-order-server with app/order-server-demo.txt).

#include <QApplication>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>

#include "orderdata/FeatureFlags.h"
#include "orderdata/ParamConfig.h"
#include "platform/Services.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"
#include "skin/ModalRunner.h"
#include "skin/SkinLook.h"
#include "stores/PickupPointDialog.h"
#include "stores/StoreListRefresh.h"
#include "submit/AlbumChoiceDialog.h"
#include "submit/AlbumLoginDialog.h"
#include "submit/BackOfficeLoginDialog.h"
#include "submit/ServiceNoticeDialog.h"
#include "submit/StoreLogin.h"
#include "submit/WebClient.h"
#include "submit/WebLimits.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: orelle-web-dialogs [--config DIR] "
                 "album-login|album-choice|back-office|notice|pickup\n");
    return 2;
}

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
        StoreLogin kept;
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
    return Usage();
}

}  // namespace

int main(int argc, char** argv) {
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
    return Run(which, settings);
}
