#include "framework/app/Platform.h"

#include "framework/app/Clock.h"

#include <chrono>
#include <mutex>

namespace lume::app {

namespace {

std::mutex sPlatformMutex;
// Never destroyed: console text may still be handed to it while the process exits.
Platform *sPlatform = nullptr;

class SteadyClock : public Clock {
  public:
    double now() const override
    {
        using namespace std::chrono;
        return duration<double>(steady_clock::now().time_since_epoch()).count();
    }
};

} // namespace

const Clock &steadyClock()
{
    static const SteadyClock sClock;
    return sClock;
}

Platform &platform()
{
    std::lock_guard lock(sPlatformMutex);
    if (!sPlatform)
        sPlatform = createDefaultPlatform().release();
    return *sPlatform;
}

std::unique_ptr<Platform> setPlatform(std::unique_ptr<Platform> platform)
{
    std::lock_guard lock(sPlatformMutex);
    std::unique_ptr<Platform> previous(sPlatform);
    sPlatform = platform.release();
    return previous;
}

} // namespace lume::app
