// Thread priority on Linux: a nice value per thread.
#include "framework/app/sdl/PlatformSdl.h"

#include <sys/resource.h>
#include <unistd.h>

namespace lume::app {

void PlatformSdl::lowerThreadPriority()
{
    // Linux keeps a nice value per thread, so this lowers the calling thread's alone. 19
    // rather than SCHED_IDLE: beside other busy programs an idle-class thread all but stops.
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 19);
}

} // namespace lume::app
