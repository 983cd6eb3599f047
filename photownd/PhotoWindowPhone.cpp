// Photos from a phone: the QR screen of the job's phone visit, then the
// ordinary folder load (or the append) of what arrived, and the placed
// order's answer to the phone.
#include <string>

#include "orderdata/ProcessState.h"
#include "phone/PhoneDialog.h"
#include "phone/PhoneSession.h"
#include "photownd/PhotoWindow.h"
#include "platform/imaging/QrCode.h"
#include "skin/ModalRunner.h"
#include "submit/SizeTotals.h"

namespace orelle {
namespace {

constexpr const char* kPhoneUnavailable = "手机传照片的网页打不开,请检查本机的网络设置";
constexpr const char* kPhoneNoPhotos = "没有收到手机传来的照片,本次手机传照片已结束";

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
        *job_.Phone(), address, phoneWait_.waitSeconds,
        [this](PhoneEnd how, int missing) { PhoneEnded(how, missing); }, phoneWait_.waiting, this);
    phoneScreen_->show();
    if (phoneWait_.served) phoneWait_.served(address);
    return true;
}

PhoneDialog* PhotoWindow::PhoneScreen() const { return phoneScreen_.data(); }

void PhotoWindow::ClosePhoneScreen() {
    job_.StopServing();
    delete phoneScreen_.data();
}

void PhotoWindow::PhoneEnded(PhoneEnd how, int missing) {
    ClosePhoneScreen();
    const auto ended = phoneWait_.ended;
    const bool withPhotos = how == PhoneEnd::kDone && !job_.PhonePhotos().empty();
    // Never a silent end: only the customer's own "取消" needs no word.
    if (!withPhotos && how != PhoneEnd::kCancelled) ShowMessage(this, "提示", kPhoneNoPhotos);
    if (withPhotos && missing > 0) {
        const std::string text =
            "有 " + std::to_string(missing) + " 张照片没有传完,不在本次冲印中;需要时请再用手机添加";
        ShowMessage(this, "提示", text.c_str());
    }
    if (!withPhotos) {
        job_.EndPhone();
        if (!phoneAppending_) HandBack();
    } else if (phoneAppending_) {
        AppendPhotos(job_.PhonePhotos(), job_.PhoneNames(), job_.Phone()->MadeCopies());
        job_.HandPhone();
    } else {
        // The visit stays until the load has copied its photos.
        OpenFolder(job_.Phone()->Folder(), {});
        if (!state_.bRefreshing) job_.EndPhone();  // the load did not start
    }
    if (ended) ended(withPhotos);
}

void PhotoWindow::TellPhoneOrder(const std::string& orderNumber, const std::string& pickupLine) {
    PhoneOrderAnswer answer;
    answer.orderNumber = orderNumber;
    for (const std::int64_t prints :
         SizeTotals(state_.photoList, state_.startup.catalogue.GetCount()))
        answer.prints += prints;
    answer.pickupLine = pickupLine;
    answer.qrPng = QrCodePng(orderNumber);
    job_.PhonePlaced(answer);
}

}  // namespace orelle
