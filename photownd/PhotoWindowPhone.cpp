// Photos from a phone: the QR screen, then the ordinary folder load (or the
// append) of what arrived.
#include "phone/PhoneFolders.h"
#include "phone/PhoneSettings.h"
#include "orderdata/ProcessState.h"
#include "orderdata/TextCase.h"
#include "photownd/PhoneVisit.h"
#include "platform/messages/HostMessage.h"
#include "platform/paths/Paths.h"
#include "skin/ModalRunner.h"

namespace orelle {
namespace {

constexpr const char* kPhoneUnavailable = "手机传照片的网页打不开,请检查本机的网络设置";

std::string Stem(const std::string& name) { return name.substr(0, name.rfind('.')); }

}  // namespace

PhoneDialog* PhotoWindow::PhoneScreen() const { return phone_ ? phone_->screen.data() : nullptr; }

bool PhotoWindow::OpenPhone(bool appending, CPhotoWnd::PhoneOptions wait) {
    if (phone_ || state_.bRefreshing) return false;
    const PhoneSettings settings =
        LoadPhoneSettings(state_.startup.settingsFolder, services_.files);
    const std::string root = state_.startup.config.dir;
    auto session = std::make_unique<PhoneSession>(
        NewPhoneSessionFolder(
            PhoneStationFolder(root, state_.startup.settingsFolder, services_.files)),
        root, services_.files, services_.disks);
    WebServerLimits limits;
    limits.maxBodyBytes = PhoneLimits{}.maxPhotoBytes;
    int port = 0;
    if (settings.address.empty() || !session->Open() ||
        !services_.webServer.Start(settings.address, settings.port, *session, limits, &port)) {
        session->End();
        ShowMessage(this, "提示", kPhoneUnavailable);
        return false;
    }
    phone_ = std::make_unique<Phone>(services_.webServer, std::move(session));
    phone_->appending = appending;
    phone_->wait = std::move(wait);
    const std::string address = phone_->session->Address(settings.address, port);
    auto* screen = new PhoneDialog(*phone_->session, address, phone_->wait.waitSeconds,
                                   [this](bool photos) { PhoneEnded(photos); }, this);
    phone_->screen = screen;
    screen->show();
    if (phone_->wait.served) phone_->wait.served(address);
    return true;
}

void PhotoWindow::PhoneEnded(bool withPhotos) {
    // No thread stores a photo any more, and the screen goes.
    phone_->server.Stop();
    if (phone_->screen) phone_->screen->deleteLater();
    const auto ended = phone_->wait.ended;
    if (!withPhotos) {
        const bool appending = phone_->appending;
        phone_.reset();
        if (!appending) SendHostMessage(HostWindow(), kMessageHandBack);
    } else if (phone_->appending) {
        std::vector<std::string> paths;
        for (const PhoneReceived& p : phone_->session->Received()) paths.push_back(p.path);
        AppendPhotos(paths);
        EndPhone(true);
    } else {
        // The session stays until the load has copied its photos.
        OpenFolder(phone_->session->Folder(), {});
        if (!state_.bRefreshing) EndPhone(false);  // the load did not start
    }
    if (ended) ended(withPhotos);
}

void PhotoWindow::EndPhone(bool loaded) {
    if (!phone_) return;
    if (loaded) {
        std::map<std::string, std::string> names;
        for (const PhoneReceived& p : phone_->session->Received())
            names[Stem(p.path.substr(p.path.find_last_of(paths::kSeparator) + 1))] = p.origName;
        for (std::int32_t i = 0; i < state_.photoList.GetSize(); ++i) {
            PhotoRecord& r = state_.photoList.At(i);
            if (paths::WithTrailingSeparator(r.origDir) != phone_->session->Folder()) continue;
            const auto it = names.find(Stem(r.origName));
            if (it != names.end()) r.origName = it->second;
        }
    }
    phone_.reset();
}

}  // namespace orelle
