#include "framework/gl/VerticalSync.h"

#include <glad/gl.h>

#include <atomic>

namespace lume::gl {

namespace {

std::atomic<SetSwapIntervalFn> sSetSwapInterval{nullptr};
std::atomic<GetSwapIntervalFn> sGetSwapInterval{nullptr};

// A call into GL with no current context is a no-op returning 0 (the loader sees to that).
bool contextIsCurrent()
{
    return glGetString(GL_VERSION) != nullptr;
}

} // namespace

void setSwapIntervalHooks(SetSwapIntervalFn set, GetSwapIntervalFn get)
{
    sSetSwapInterval = set;
    sGetSwapInterval = get;
}

void enableVerticalSync(bool enable)
{
    SetSwapIntervalFn set = sSetSwapInterval;
    if (set && contextIsCurrent())
        set(enable ? 1 : 0);
}

void disableVerticalSync()
{
    enableVerticalSync(false);
}

bool isVerticalSyncEnabled()
{
    GetSwapIntervalFn get = sGetSwapInterval;
    return get && contextIsCurrent() && get() > 0;
}

} // namespace lume::gl
