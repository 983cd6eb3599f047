#include <gtest/gtest.h>

#include <QObject>
#include <memory>
#include <vector>

#include "platform/messages/HostMessage.h"

namespace orelle {
namespace {

class Host : public QObject {
  public:
    std::vector<std::intptr_t> seen;  // message, wParam, lParam of each

  protected:
    bool event(QEvent* e) override {
        if (e->type() != HostMessage::EventType()) return QObject::event(e);
        auto* m = static_cast<HostMessage*>(e);
        seen.insert(seen.end(), {m->message, m->wParam, m->lParam});
        return true;
    }
};

TEST(HostLinkTest, TheMessageIsHandledBeforeSendReturnsAndNothingGoesToAClosedHost) {
    auto frame = std::make_unique<QObject>();
    auto* host = new Host;
    host->setParent(frame.get());
    HostWindowLink link(host);
    link.Send(kMessageHandBack, 20150307, 7);
    EXPECT_EQ(host->seen, (std::vector<std::intptr_t>{4027, 20150307, 7}));
    frame.reset();                             // the host's frame closes with its window
    link.Send(kMessageHandBack, 20150307, 8);  // must not reach freed memory
}

}  // namespace
}  // namespace orelle
