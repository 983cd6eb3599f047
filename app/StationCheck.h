#pragma once
// orelle-kiosk --check: the shop's set-up check on the settings in use,
// printed a finding a line. Exit code 0 when everything holds, else 1.

namespace orelle::app {

int RunStationCheck(int argc, char** argv);

}  // namespace orelle::app
