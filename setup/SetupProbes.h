#pragma once
// What the set-up check asks of the machine beyond the Services bundle:
// the printing service, the fonts, the uploader's socket, a port's holder and
// the network addresses.
// The machine's answers need a running QGuiApplication (offscreen will do);
// tests answer with fakes.

#include <string>
#include <vector>

#include "platform/webserver/WebServer.h"

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
    // Who holds the TCP port; the station's own server is asked on address.
    virtual PortHolder PortUse(const std::string& address, int port) = 0;
    // The machine's own addresses that are not loopback ones (IPv4).
    virtual std::vector<std::string> OwnAddresses() = 0;
};

}  // namespace orelle
