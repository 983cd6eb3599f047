#include <QKeyEvent>

#include "orelle/KeyMessage.h"

namespace orelle {

KeyMessage KeyMessageFromQt(const QKeyEvent& event) {
    KeyMessage m;
    m.message = event.type() == QEvent::KeyRelease ? kWmKeyUp : kWmKeyDown;
    const int key = event.key();
    // Letters and digits have their ASCII codes in both systems.
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        m.virtualKey = static_cast<unsigned>(key);
    } else if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        m.virtualKey = 112u + static_cast<unsigned>(key - Qt::Key_F1);
    } else {
        switch (key) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                m.virtualKey = kVkReturn;
                break;
            case Qt::Key_PageUp:
                m.virtualKey = kVkPrior;
                break;
            case Qt::Key_PageDown:
                m.virtualKey = kVkNext;
                break;
            case Qt::Key_Left:
                m.virtualKey = kVkLeft;
                break;
            case Qt::Key_Up:
                m.virtualKey = kVkUp;
                break;
            case Qt::Key_Right:
                m.virtualKey = kVkRight;
                break;
            case Qt::Key_Down:
                m.virtualKey = kVkDown;
                break;
            case Qt::Key_Delete:
                m.virtualKey = kVkDelete;
                break;
            default:
                break;
        }
    }
    return m;
}

}  // namespace orelle
