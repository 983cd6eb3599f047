// Nobody touches the station: the window's idle guard, and the end it
// brings.
#include <QApplication>
#include <QLineEdit>

#include "orderdata/CustomerMedia.h"
#include "orderdata/ProcessState.h"
#include "phone/PhoneSession.h"
#include "photownd/IdleGuard.h"
#include "photownd/PhotoWindow.h"
#include "platform/messages/HostMessage.h"
#include "submit/OrderDialog.h"

namespace orelle {
namespace {

// The customer has typed into the order dialog, and the keyboard is there.
bool TypingOrder() {
    const auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return edit && edit->isModified() && !edit->text().isEmpty() &&
           qobject_cast<const OrderDialog*>(edit->window());
}

}  // namespace

void PhotoWindow::StartIdleGuard() {
    IdleGuard::Hooks hooks;
    // The folder picker and the order's dialogs run over the shown window.
    hooks.watched = [this] { return isVisible() || PhoneOpen(); };
    hooks.paused = [this] { return state_.bRefreshing.load() || TypingOrder(); };
    hooks.end = [this] { return EndIdle(); };
    hooks.screen = [this] { return HostWindow(); };
    // A customer sending photos from a phone is there.
    hooks.elsewhere = [this] { return job_.Phone() ? job_.Phone()->Count() : 0; };
    idle_ = new IdleGuard(services_.steady, state_.startup.config.idle, std::move(hooks), this);
}

std::string PhotoWindow::EndIdle() {
    // Asked before the job forgets where it came from.
    const std::string reminder = CardReminder(currentFolder, services_.files, services_.disks);
    EndJob(JobEnd::kIdle);
    // As the home command does; the job is already over, so the host's
    // own end of it finds nothing left.
    SendHostMessage(HostWindow(), kMessageHandBack);
    return reminder;
}

}  // namespace orelle
