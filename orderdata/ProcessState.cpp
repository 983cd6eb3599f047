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

void StartNewOrder(ProcessState& state) {
    OrderInfo& info = state.orderInfo;
    for (std::string* text :
         {&info.saleDDH, &info.bespeak, &info.memo, &info.requir, &info.productlist, &info.albumid})
        text->clear();
    info.OrderAmount = 0;
    // The pickup point and the delivery were this customer's choice.
    info.storeid.clear();
    info.sendmode = 0;
    OrderSession& session = state.session;
    session.bOrderPlaced = false;
    session.OrderRequirement.clear();
    session.paperIndex = 0;
    session.paperName.clear();
    session.ProductList.clear();
    session.noticeLines = 0;
    session.processingNumber = 0;
    session.taken = {};
    session.filesUnwritten = false;
    // The next customer never sees this one's member, name, telephone or
    // address: the shop's own values come back.
    state.startup.config.userinfo = state.startup.shopContact;
}

void ForgetJob(ProcessState& state) {
    state.photoList.RemoveAll();
    state.dirList.RemoveAll();
    state.faces.Clear();
    OrderInfo& info = state.orderInfo;
    info.historyID = 0;
    info.storeDDH.clear();
    info.backupDir.clear();
    StartNewOrder(state);
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
