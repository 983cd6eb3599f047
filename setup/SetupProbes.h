#pragma once
// What the set-up check asks of the machine beyond the Services bundle:
// the printing service, the fonts, the uploader's socket and a free port.
// The machine's answers need a running QGuiApplication (offscreen will do);
// tests answer with fakes.

#include <string>

#include "platform/print/PrinterQueue.h"

namespace orelle {

class SetupProbes {
  public:
    virtual ~SetupProbes() = default;
    virtual PrinterQueue DefaultPrinter() = 0;
    // The family that draws the station's face, when it holds Chinese;
    // empty when the machine has no such font.
    virtual std::string ChineseFamily(const std::string& face) = 0;
    // A running uploader listens on its local socket.
    virtual bool UploaderListening() = 0;
    // Nothing else listens on the TCP port.
    virtual bool PortFree(int port) = 0;
};

}  // namespace orelle
