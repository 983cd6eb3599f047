#include "skin/CommandTarget.h"

#include <QObject>

namespace orelle {

void SendCommand(QObject* target, int id) {
    if (auto* t = dynamic_cast<CommandTarget*>(target)) t->OnCommand(id);
}

}  // namespace orelle
