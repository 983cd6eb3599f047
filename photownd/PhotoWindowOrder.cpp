// The window's order commands: the placing flow with the window's dialogs.
#include "photownd/PhotoWindow.h"
#include "photownd/WindowOrderPrompts.h"
#include "platform/messages/HostMessage.h"
#include "platform/print/QtPrinters.h"

namespace orelle {
namespace {

template <typename Command>
PlacementResult Place(PhotoWindow& window, ProcessState& state, const Services& services,
                      BackOfficeLogin& backOffice, Command command, std::string* orderNumber) {
    WindowOrderPrompts prompts(state, services, backOffice, &window);
    HostWindowLink host(window.Host() ? window.Host()->window() : nullptr);
    OrderPlacement placement(state, services, prompts, host, MachinePrinters());
    placement.openedFolder = window.currentFolder;
    placement.receiptPdf = window.receiptPdf;
    placement.placed = [&window](const std::string& number, const std::string& pickupLine) {
        window.TellPhoneOrder(number, pickupLine);
    };
    const PlacementResult result = command(placement);
    if (orderNumber) *orderNumber = placement.PlacedNumber();
    return result;
}

}  // namespace

PlacementResult PhotoWindow::OnOrderOk(std::string* orderNumber) {
    if (!job_.CopiesDone() || ShowUnseenFirst()) return PlacementResult::kCancelled;
    job_.ReadyToOrder();
    return Place(
        *this, state_, services_, backOffice_,
        [](OrderPlacement& placement) { return placement.Run(); }, orderNumber);
}

PlacementResult PhotoWindow::OnToxc() {
    if (!job_.CopiesDone()) return PlacementResult::kCancelled;
    job_.ReadyToOrder();
    return Place(
        *this, state_, services_, backOffice_,
        [](OrderPlacement& placement) { return placement.OnToxc(); }, nullptr);
}

}  // namespace orelle
