#pragma once
// The machine's answers to the set-up check: Qt's printing service, the
// font database with the station's face substitutions, the uploader's
// local socket, a TCP port. UI thread, with a QApplication.

#include "setup/SetupProbes.h"

namespace orelle {

class MachineProbes final : public SetupProbes {
  public:
    PrinterQueue DefaultPrinter() override;
    std::string ChineseFamily(const std::string& face) override;
    bool UploaderListening() override;
    PortHolder PortUse(const std::string& address, int port) override;
    std::vector<std::string> OwnAddresses() override;
};

}  // namespace orelle
