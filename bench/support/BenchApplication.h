#pragma once
// The application of a benchmark that shows windows: offscreen unless a
// platform is named, with the station's fonts.

#include <QApplication>

#include "skin/SkinLook.h"

namespace orelle::bench {

class BenchApplication : public QApplication {
  public:
    BenchApplication(int& argc, char** argv) : QApplication(Offscreen(argc), argv) {
        InstallSkinFonts();
    }

  private:
    // Before QApplication reads the platform.
    static int& Offscreen(int& argc) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }
};

}  // namespace orelle::bench
