// orelle-editing-station CONFIG CARD: a customer's job on the station of
// those settings, loaded from the card and edited on two pages the way the
// customer edits (the cells' commands) and a host may (the list), then the
// process is killed, as a power cut ends it. For the tests that start the
// kiosk again on the same settings.

#include <QApplication>
#include <QElapsedTimer>
#include <csignal>
#include <cstdio>

#include "cell/PhotoCell.h"
#include "orderdata/PhotoList.h"
#include "orelle/CPhotoWnd.h"
#include "orelle/KeyMessage.h"
#include "photownd/PhotoWindow.h"

namespace {

// Until no worker owns the job; false after 20 s.
bool Settled(orelle::CPhotoWnd& wnd) {
    QElapsedTimer t;
    t.start();
    int quiet = 0;
    while (quiet < 5 && t.elapsed() < 20000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        quiet = wnd.IsBusy() ? 0 : quiet + 1;
    }
    return quiet >= 5;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    orelle::CPhotoWnd::UseSettingsFolder(argv[1]);
    QApplication app(argc, argv);
    QWidget frame;
    frame.resize(1024, 768);
    orelle::CPhotoWnd wnd;
    if (!wnd.init(&frame, 1001)) return 1;
    frame.show();
    wnd.window()->show();
    wnd.OpenFolder(argv[2]);
    if (!Settled(wnd) || wnd.GetSize() < 7) return 1;
    auto* window = static_cast<orelle::PhotoWindow*>(wnd.window());
    // On the first page: turned, filled with white, a crop moved as a drag
    // leaves it.
    window->Cell(1)->OnCommand(50001 + 90);
    window->Cell(2)->OnCommand(1248);
    orelle::PhotoRecord& moved = wnd.GetPhotoListPoint()->At(3);
    moved.rcDst = {12, 8, 40, 30};
    moved.offsetSZX = 5;
    const orelle::KeyMessage next{orelle::kWmKeyDown, orelle::kVkNext};
    wnd.Qkey(&next);
    if (!Settled(wnd)) return 1;
    // On the second page, the last edits before the cut.
    window->Cell(0)->OnCommand(10000 + 1);  // another size
    window->Cell(0)->OnCommand(40001 + 4);  // four prints
    window->Cell(0)->OnCommand(1259);       // the date printed
    window->WaitForJobs();
    std::printf("edited\n");
    std::fflush(stdout);
    std::raise(SIGKILL);
    return 1;
}
