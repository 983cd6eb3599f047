#pragma once
// Answers the modal runs of one test with a function, and puts the real
// runs back when the test ends.

#include "skin/ModalRunner.h"

namespace orelle::testing {

class ModalAnswer {
  public:
    explicit ModalAnswer(ModalHook hook) { SetModalHook(std::move(hook)); }
    ~ModalAnswer() { SetModalHook(nullptr); }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;
};

}  // namespace orelle::testing
