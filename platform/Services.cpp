#include "platform/Services.h"

#include "platform/clock/Clock.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/BackupDisk.h"
#include "platform/shell/Shell.h"

namespace orelle {

Services MachineServices() {
    return Services{FileSystem::Default(),
                    DiskInfo::Default(),
                    Clock::Default(),
                    Shell::Default(),
                    Registry::Default(),
                    HttpPoster::Default(),
                    DatabaseConnector::Default(),
                    Uploader::Default(),
                    WebServer::Default()};
}

}  // namespace orelle
