#pragma once
// Writes what a window shows to a PNG file of the gallery folder.

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <string>

#include "platform/paths/Paths.h"

namespace orelle::app {

class Gallery {
  public:
    explicit Gallery(std::string folder) : folder_(std::move(folder)) {}

    bool ok = true;

    // Shows the window, lets it paint, saves it and hides it again.
    void Save(QWidget& w, const char* name) {
        w.show();
        QApplication::processEvents();
        const std::string path = paths::Join(folder_, name);
        if (!w.grab().save(QString::fromStdString(path), "PNG")) {
            std::fprintf(stderr, "orelle-kiosk: cannot write %s\n", path.c_str());
            ok = false;
        } else {
            std::printf("%s\n", path.c_str());
        }
        w.hide();
    }

  private:
    std::string folder_;
};

}  // namespace orelle::app
