// The batch settings, the statistics notice and the requirement text.
#include "orderdata/ProcessState.h"
#include "orderdata/RequirementText.h"
#include "photownd/ApplyChoiceDialog.h"
#include "photownd/DirApplyDialog.h"
#include "photownd/Paging.h"
#include "photownd/PhotoWindow.h"
#include "photownd/RequirementDialog.h"
#include "skin/ModalRunner.h"
#include "skin/ShowNotice.h"
#include "submit/OrderTexts.h"

namespace orelle {
namespace {

std::vector<std::string> SizeNames(const PrintCatalogue& catalogue) {
    std::vector<std::string> names;
    for (std::int32_t i = 0; i < catalogue.GetCount(); ++i) names.push_back(catalogue.GetName(i));
    return names;
}

}  // namespace

void PhotoWindow::OnApply() {
    ProcessState& p = state_;
    const std::int32_t source = CurrentIndex(browse, p.photoList.GetSize());
    if (p.session.nOrderType != 0 || p.photoList.GetSize() == 0 || p.bRefreshing ||
        p.session.bOrderPlaced || source < 0)
        return;
    ApplyChoiceDialog dialog(this);
    if (RunModal(dialog) == QDialog::Accepted) {
        applySwitches.size = dialog.applySize;
        applySwitches.quantity = dialog.applyQuantity;
        applySwitches.framing = dialog.applyFraming;
        const ApplySwitches switches = applySwitches;
        job_.Change([&p, source, switches] {
            ApplyToFollowing(p.photoList, source, switches, p.startup.catalogue);
        });
        return;
    }
    switch (dialog.action) {
        case ApplyChoiceDialog::Action::kDirApply:
            OnDirApply();
            break;
        case ApplyChoiceDialog::Action::kDatesOn:
        case ApplyChoiceDialog::Action::kDatesOff: {
            const bool on = dialog.action == ApplyChoiceDialog::Action::kDatesOn;
            job_.Change([&p, on] { SetAllDates(p.photoList, on); });
            break;
        }
        case ApplyChoiceDialog::Action::kNone:
            break;
    }
}

void PhotoWindow::OnDirApply() {
    ProcessState& p = state_;
    if (p.photoList.GetSize() == 0 || p.bRefreshing || p.session.bOrderPlaced) return;
    DirApplyDialog dialog(DirApplyDialog::Mode::kNormal, p.dirList.Entries(),
                          SizeNames(p.startup.catalogue), dirApply.specIndex, this);
    if (RunModal(dialog) != QDialog::Accepted) return;
    dirApply.folder = dialog.folder;
    dirApply.specIndex = dialog.sizeIndex;
    dirApply.number = dialog.quantity;
    dirApply.matte = dialog.matte;
    if (dialog.framing == 0 || dialog.framing == 1) dirApply.framing = dialog.framing;
    const DirApplyValues values = dirApply;
    job_.Change([&p, values] { ApplyToFolder(p.photoList, values, p.startup.catalogue); });
}

void PhotoWindow::OnStat() {
    const std::string text = GetStatNoticeStr(state_, state_.session.nOrderType == 2 ? 1 : 0);
    ShowNotice("统计提示", text, state_.session.noticeLines, false, this);
}

void PhotoWindow::OnRequir() {
    ProcessState& p = state_;
    if (p.photoList.GetSize() == 0 || browse.nActiveCell < 0 || p.bRefreshing) return;
    const std::string stats = GetStatNoticeStr(p, p.session.nOrderType == 2 ? 1 : 0);
    RequirementDialog dialog(stats, p.session.OrderRequirement, this);
    if (RunModal(dialog) != QDialog::Accepted) return;
    p.session.OrderRequirement = RequirementFromTyped(dialog.requirement);
}

}  // namespace orelle
