// A host's window with the station inside, as a shop's own kiosk program
// makes it: shown, then ended once the station's first page is up.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "orelle/CPhotoWnd.h"
#include "orelle/Version.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget frame;
    frame.setFixedSize(1024, 768);
    orelle::CPhotoWnd station;
    if (!station.init(&frame, 1)) {
        std::fprintf(stderr, "orelle-host: the station's window cannot be made\n");
        return 1;
    }
    frame.show();
    station.window()->show();
    station.OnFristPage();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (station.IsBusy()) return;
        std::printf("first page of Orelle %s shown: %s\n", ORELLE_VERSION,
                    station.GetIndexStr().c_str());
        QApplication::quit();
    });
    poll.start(50);
    return app.exec();
}
