#pragma once
// The machine's printers through Qt's printing service (CUPS on Linux).
// Needs Qt Widgets, so it lives beside the windows, not in the core.

#include "platform/print/PrintDevice.h"

namespace orelle {

class QtPrinters final : public Printers {
  public:
    std::unique_ptr<PrintDevice> OpenDefault() override;
    std::unique_ptr<PrintDevice> OpenFile(const std::string& path) override;
    PrinterQueue DefaultQueue() override;
};

// The one instance the exported window hands down.
Printers& MachinePrinters();

}  // namespace orelle
