#include "StationCheck.h"

#include <QApplication>
#include <cstdio>
#include <string>

#include "orelle/StationTools.h"

namespace orelle::app {

int RunStationCheck(int argc, char** argv) {
    // Nothing is shown: the fonts and printers are asked without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication app(argc, argv);
    std::string report;
    const bool holds = StationTools::CheckSetup(&report);
    std::fputs(report.c_str(), stdout);
    std::printf(holds ? "the station is ready\n" : "the station will fail: see FAILED above\n");
    return holds ? 0 : 1;
}

}  // namespace orelle::app
