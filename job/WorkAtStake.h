#pragma once
// Whether ending the job now loses what the customer did: photos of an
// order not yet placed, or photos a phone has sent.

namespace orelle {

class PhoneSession;
struct ProcessState;

bool WorkAtStake(const ProcessState& state, const PhoneSession* phone);

}  // namespace orelle
