#include "platform/messages/HostMessage.h"

#include <QCoreApplication>

namespace orelle {

QEvent::Type HostMessage::EventType() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void SendHostMessage(QObject* host, int message, std::intptr_t wParam, std::intptr_t lParam) {
    if (!host) return;
    HostMessage m(message, wParam, lParam);
    QCoreApplication::sendEvent(host, &m);
}

}  // namespace orelle
