// What the window asks before the customer's photos are lost: before the
// job goes home, and before an order that leaves photos out.
#include "job/UnseenPhotos.h"
#include "job/WorkAtStake.h"
#include "orderdata/ProcessState.h"
#include "photownd/Paging.h"
#include "photownd/PhotoWindow.h"
#include "skin/DiscardQuestion.h"
#include "skin/ModalRunner.h"

namespace orelle {

bool PhotoWindow::HomeConfirmed() { return !WorkAtStake(state_, job_.Phone()) || AskDiscard(this); }

bool PhotoWindow::ShowUnseenFirst() {
    const ProcessState& s = state_;
    // Only an order that would go on asks.
    if (s.bRefreshing || s.session.bOrderPlaced || s.session.bPlacing) return false;
    const UnseenPhotos unseen = FindUnseen(s.photoList);
    if (unseen.count == 0 || !AskYesNo(this, "提示", UnseenQuestion(unseen.count).c_str()))
        return false;
    PageToPhoto(browse, unseen.first, s.photoList.GetSize());
    StartPageRefresh();
    return true;
}

}  // namespace orelle
