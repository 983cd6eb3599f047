#include "platform/jobs/IdlePriority.h"

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace orelle {

void LowerThisThread() {
#ifdef __linux__
    // Linux gives each thread a nice value of its own.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
#endif
}

}  // namespace orelle
