#pragma once
// The outside services of a test's station around its own files: a roomy
// fixed disk, a fixed clock, a recording shell and the registry stand-in
// among the files; HTTP, the database, the uploader and the phone server
// stay the machine's. WithFiles gives any bundle over another file layer.

#include "platform/Services.h"
#include "platform/clock/Clock.h"
#include "support/FakeDisks.h"
#include "support/RecordingShell.h"

namespace orelle::testing {

// base with files in place of its own.
inline Services WithFiles(const Services& base, FileSystem& files) {
    return Services{files,     base.disks,    base.clock,    base.shell,    base.registry,
                    base.http, base.database, base.uploader, base.webServer};
}

struct FakeServices {
    FakeServices(FileSystem& files, LocalTime now)
        : clock(now), services{files, disks, clock, shell, Registry("/registry.ini", files)} {}

    FakeDisks disks;
    FixedClock clock;
    RecordingShell shell;
    Services services;
};

}  // namespace orelle::testing
