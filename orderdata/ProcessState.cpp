#include "orderdata/ProcessState.h"

#include "platform/Services.h"

namespace orelle {
namespace {

// Runs while the library is loaded, so that the date is the load date.
const bool kLoadedWithLibrary = (Process(), true);

}  // namespace

void LoadProcessState(ProcessState& state, const std::string& settingsFolder, FileSystem& fs,
                      const Clock& clock) {
    LoadStartupData(state.startup, settingsFolder, fs, clock);
    state.orderInfo.paymode = state.startup.config.pay;
}

void ForgetJob(ProcessState& state) {
    state.photoList.RemoveAll();
    state.dirList.RemoveAll();
    OrderInfo& info = state.orderInfo;
    info.historyID = 0;
    for (std::string* text : {&info.storeDDH, &info.saleDDH, &info.bespeak, &info.memo,
                              &info.requir, &info.backupDir, &info.productlist, &info.albumid})
        text->clear();
    info.OrderAmount = 0;
    OrderSession& session = state.session;
    session.bOrderPlaced = false;
    session.OrderRequirement.clear();
    session.paperIndex = 0;
    session.paperName.clear();
    session.ProductList.clear();
    session.noticeLines = 0;
    session.processingNumber = 0;
    // The next customer never sees this one's name, telephone or address;
    // the member code stays as the order dialog's remember box left it.
    CustomerInfo& contact = state.startup.config.userinfo;
    const CustomerInfo& shop = state.startup.shopContact;
    contact.username = shop.username;
    contact.phone = shop.phone;
    contact.mobile = shop.mobile;
    contact.sendaddr = shop.sendaddr;
}

ProcessState& Process() {
    static ProcessState* state = [] {
        auto* s = new ProcessState;  // never freed: workers may still run at exit
        const Services& machine = MachineServices();
        LoadProcessState(*s, DefaultSettingsFolder(machine.files), machine.files, machine.clock);
        return s;
    }();
    return *state;
}

void ReloadProcessSettings(const std::string& settingsFolder) {
    const Services& machine = MachineServices();
    LoadProcessState(Process(), settingsFolder, machine.files, machine.clock);
}

}  // namespace orelle
