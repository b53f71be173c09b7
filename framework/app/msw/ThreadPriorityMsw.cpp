// Thread priority on Windows.
#include "framework/app/msw/PlatformMsw.h"

#include <windows.h>

namespace lume::app {

void PlatformMsw::lowerThreadPriority()
{
    // The lowest of the normal class; THREAD_PRIORITY_IDLE would all but stop the thread on a
    // busy machine.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
}

} // namespace lume::app
