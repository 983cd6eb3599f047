#include "skin/DiscardQuestion.h"

#include "skin/ModalRunner.h"

namespace orelle {

bool AskDiscard(QWidget* parent) { return AskYesNo(parent, "确认", kDiscardQuestion); }

}  // namespace orelle
