#pragma once
// The outside services that the station uses, in one bundle: files and
// disks, the clock, the registry stand-in, the desktop shell, HTTP, the
// order database and the shop's uploader program. The exported window
// builds it from the machine's services and hands it down; tests build it
// from fakes. The services must outlive every window and worker that uses
// the bundle.

#include "platform/clock/Clock.h"
#include "platform/db/Database.h"
#include "platform/http/HttpPoster.h"
#include "platform/registry/Registry.h"
#include "platform/uploader/Uploader.h"
#include "platform/webserver/WebServer.h"

namespace orelle {

class DiskInfo;
class FileSystem;
class Shell;

struct Services {
    FileSystem& files;
    DiskInfo& disks;
    const Clock& clock;
    Shell& shell;
    Registry registry;
    // Form posts to the order web server.
    HttpPoster& http = HttpPoster::Default();
    // Connections to the shop's order database.
    DatabaseConnector& database = DatabaseConnector::Default();
    Uploader& uploader = Uploader::Default();
    // The server of the phone's upload page.
    WebServer& webServer = WebServer::Default();
    // Spans of time (how long nobody touched the station).
    const SteadyClock& steady = SteadyClock::Default();
};

// The machine's own services.
Services MachineServices();

}  // namespace orelle
