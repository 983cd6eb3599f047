#include "job/WorkAtStake.h"

#include "orderdata/ProcessState.h"
#include "phone/PhoneSession.h"

namespace orelle {

bool WorkAtStake(const ProcessState& state, const PhoneSession* phone) {
    if (phone && phone->Count() > 0) return true;
    return state.photoList.GetSize() > 0 && !state.session.bOrderPlaced;
}

}  // namespace orelle
