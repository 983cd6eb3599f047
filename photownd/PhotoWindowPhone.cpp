// Photos from a phone: the QR screen of the job's phone visit, then the
// ordinary folder load (or the append) of what arrived.
#include "orderdata/ProcessState.h"
#include "phone/PhoneDialog.h"
#include "phone/PhoneSession.h"
#include "photownd/PhotoWindow.h"
#include "skin/ModalRunner.h"

namespace orelle {
namespace {

constexpr const char* kPhoneUnavailable = "手机传照片的网页打不开,请检查本机的网络设置";

}  // namespace

bool PhotoWindow::OpenPhone(bool appending, CPhotoWnd::PhoneOptions wait) {
    if (PhoneOpen() || state_.bRefreshing) return false;
    const std::string address = job_.OpenPhone();
    if (address.empty()) {
        ShowMessage(this, "提示", kPhoneUnavailable);
        return false;
    }
    phoneAppending_ = appending;
    phoneWait_ = std::move(wait);
    phoneScreen_ = new PhoneDialog(
        *job_.Phone(), address, phoneWait_.waitSeconds, [this](bool photos) { PhoneEnded(photos); },
        this);
    phoneScreen_->show();
    if (phoneWait_.served) phoneWait_.served(address);
    return true;
}

PhoneDialog* PhotoWindow::PhoneScreen() const { return phoneScreen_.data(); }

void PhotoWindow::ClosePhoneScreen() {
    job_.StopServing();
    delete phoneScreen_.data();
}

void PhotoWindow::PhoneEnded(bool withPhotos) {
    ClosePhoneScreen();
    const auto ended = phoneWait_.ended;
    if (!withPhotos) {
        job_.EndPhone();
        if (!phoneAppending_) HandBack();
    } else if (phoneAppending_) {
        AppendPhotos(job_.PhonePhotos(), job_.PhoneNames());
        job_.EndPhone();
    } else {
        // The visit stays until the load has copied its photos.
        OpenFolder(job_.Phone()->Folder(), {});
        if (!state_.bRefreshing) job_.EndPhone();  // the load did not start
    }
    if (ended) ended(withPhotos);
}

}  // namespace orelle
