#pragma once
// What the photo window keeps of an open phone session: the session, the
// server serving it, its QR screen, and what happens when it is done.

#include <QPointer>
#include <map>
#include <memory>
#include <string>

#include "phone/PhoneSession.h"
#include "phone/PhoneDialog.h"
#include "photownd/PhotoWindow.h"

namespace orelle {

struct PhotoWindow::Phone {
    Phone(WebServer& s, std::unique_ptr<PhoneSession> p) : server(s), session(std::move(p)) {}
    // Whatever ends the window or the visit: no thread serves the page
    // any more, and what came is removed.
    ~Phone() {
        server.Stop();
        session->End();
        delete screen.data();
    }
    WebServer& server;
    std::unique_ptr<PhoneSession> session;
    QPointer<PhoneDialog> screen;
    bool appending = false;
    CPhotoWnd::PhoneOptions wait;
};

}  // namespace orelle
